// The printer form: what it lists and marks, how the choice follows the printer, the keyboard and
// screen-reader names, and the form with no printer at all.
#include "modal_hand.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>

#include "content/extract_resource.h"
#include "platform/program_folder.h"
#include "ui/frame/skinned_button.h"
#include "ui/print/printer_form.h"

namespace {

// No print server: this machine's printers stay out of the tests.
struct NoPrintServer : ::testing::Environment {
    QTemporaryDir dir;
    void SetUp() override {
        qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("no-such-cupsd.sock")).toLocal8Bit());
    }
};
const auto* const kNoServer = ::testing::AddGlobalTestEnvironment(new NoPrintServer);

// The program's pictures, written out once as the program does at start.
struct Skin {
    QString graphics() const {
        static QTemporaryDir dir;
        static const bool written = (WriteGraphics(dir.path()), true);
        Q_UNUSED(written);
        return GraphicsFolder(dir.path());
    }
};

PrinterEntry Entry(const QString& name, bool isDefault, QList<QPageSize::PageSizeId> ids) {
    PrinterEntry e;
    e.name = name;
    e.isDefault = isDefault;
    for (const auto id : ids) e.pageSizes.append(QPageSize(id));
    e.defaultPageSize = e.pageSizes.first();
    return e;
}

QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts.append(list->item(i)->text());
    return texts;
}

QStringList Items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i) texts.append(box->itemText(i));
    return texts;
}

// HM_PRINT_SHOTS=<folder> keeps a picture of the form for a person to look at.
void KeepPicture(QWidget* form, const QString& name) {
    const QString shots = qEnvironmentVariable("HM_PRINT_SHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        form->grab().save(QDir(shots).filePath(name + QStringLiteral(".png")));
}

const QList<PrinterEntry> kPrinters = {
    Entry(QStringLiteral("office"), false, {QPageSize::A4, QPageSize::Letter, QPageSize::A5}),
    Entry(QStringLiteral("labels"), true, {QPageSize::A6})};

}  // namespace

TEST(PrinterForm, ListsThePrintersMarksTheDefaultAndFollowsThePrinter) {
    Skin skin;
    FrmPrinter form(skin.graphics(), PrinterFormMode::Setup);
    PrintTarget office;
    office.printerName = QStringLiteral("office");
    office.pageSize = QPageSize(QPageSize::Letter);
    office.orientation = QPageLayout::Landscape;
    form.offer(kPrinters, office);
    form.show();
    KeepPicture(&form, QStringLiteral("printer_form"));

    EXPECT_EQ(Texts(form.printerList()),
              (QStringList{"office", "labels (default)", "Save as PDF"}));
    EXPECT_TRUE(form.printerList()->item(1)->font().bold());
    EXPECT_EQ(form.printerList()->currentRow(), 0);
    EXPECT_EQ(form.pageSizeBox()->currentText(), QPageSize(QPageSize::Letter).name());
    EXPECT_TRUE(form.landscapeButton()->isChecked());
    EXPECT_EQ(form.choice(), office);

    // Another printer lists its own sizes; a size it lacks gives way to its default, and one the
    // next printer has again is kept.
    form.printerList()->setCurrentRow(1);
    EXPECT_EQ(Items(form.pageSizeBox()), QStringList{QPageSize(QPageSize::A6).name()});
    EXPECT_EQ(form.choice().printerName, QStringLiteral("labels"));
    EXPECT_EQ(form.choice().pageSize.id(), QPageSize::A6);
    form.printerList()->setCurrentRow(0);
    form.pageSizeBox()->setCurrentIndex(2);  // A5
    form.printerList()->setCurrentRow(2);
    EXPECT_EQ(Items(form.pageSizeBox()).size(), PdfPageSizes().size());
    const PrintTarget pdf = form.choice();
    EXPECT_EQ(pdf.kind, PrintTarget::Kind::Pdf);
    EXPECT_EQ(pdf.pageSize.id(), QPageSize::A5);
    EXPECT_EQ(pdf.orientation, QPageLayout::Landscape);

    // A chosen printer that is gone is shown as the default one; a PDF choice as PDF.
    PrintTarget gone;
    gone.printerName = QStringLiteral("removed");
    form.offer(kPrinters, gone);
    EXPECT_EQ(form.printerList()->currentRow(), 1);
    EXPECT_TRUE(form.portraitButton()->isChecked());
    form.offer(kPrinters, pdf);
    EXPECT_EQ(form.choice(), pdf);
}

TEST(PrinterForm, EnterIsOkEscapeIsCancelAndEveryControlIsNamed) {
    Skin skin;
    SkinnedWindow::Skin look;
    look.graphicsFolder = skin.graphics();
    SkinnedWindow over(look);
    over.resize(700, 500);
    over.show();

    auto run = [&](ModalHand::Action act) {
        FrmPrinter form(skin.graphics(), PrinterFormMode::Print, &over);
        form.offer(kPrinters, PrintTarget{});
        ModalHand hand({std::move(act)});
        return form.exec(&over);
    };
    auto key = [](Qt::Key k, const char* focus) {
        return [=](QWidget* w) {
            QWidget* target = w->findChild<QWidget*>(QString::fromLatin1(focus));
            if (!target) return;
            target->setFocus();
            QTest::keyClick(target, k);
        };
    };
    const std::optional<PrintTarget> entered = run(key(Qt::Key_Return, "lstPrinters"));
    ASSERT_TRUE(entered.has_value());
    EXPECT_EQ(entered->printerName, QStringLiteral("labels"));  // the default comes first
    EXPECT_TRUE(run(key(Qt::Key_Enter, "cboPageSize")).has_value());
    EXPECT_TRUE(run(key(Qt::Key_Space, "butOK")).has_value());
    EXPECT_FALSE(run(key(Qt::Key_Escape, "lstPrinters")).has_value());
    EXPECT_FALSE(run(key(Qt::Key_Return, "butCancel")).has_value());
    EXPECT_FALSE(run([](QWidget* w) { w->close(); }).has_value());

    // Tab visits every control once, each with a name a screen reader can say.
    FrmPrinter form(skin.graphics(), PrinterFormMode::Print, &over);
    form.offer(kPrinters, PrintTarget{});
    form.show();
    EXPECT_EQ(form.okButton()->text(), QStringLiteral("Print"));
    QStringList visited;
    QWidget* w = form.printerList();
    for (int i = 0; i < 8 && !visited.contains(w->objectName()); ++i) {
        visited.append(w->objectName());
        const QString name =
            w->accessibleName().isEmpty()
                ? (qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text()
                                                     : QString())
                : w->accessibleName();
        EXPECT_FALSE(name.isEmpty()) << qPrintable(w->objectName());
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(&form));
    }
    EXPECT_EQ(visited, (QStringList{"lstPrinters", "cboPageSize", "optPortrait", "optLandscape",
                                    "butOK", "butCancel"}));
}

TEST(PrinterForm, WithNoPrinterItStillOffersPdfAndOkKeepsTheChoice) {
    ASSERT_TRUE(AvailablePrinters().isEmpty());
    Skin skin;
    SkinnedWindow::Skin look;
    look.graphicsFolder = skin.graphics();
    SkinnedWindow over(look);
    over.show();
    SetSessionPrintTarget({});

    QStringList listed;
    QString note;
    {
        ModalHand cancel({[&](QWidget* w) {
            auto* form = qobject_cast<FrmPrinter*>(w);
            listed = Texts(form->printerList());
            note = form->findChild<QLabel*>(QStringLiteral("lblPrinterNote"))->text();
            KeepPicture(form, QStringLiteral("printer_form_no_printer"));
            QTest::keyClick(form->printerList(), Qt::Key_Escape);
        }});
        EXPECT_FALSE(ChoosePrintTarget(over, PrinterFormMode::Setup).has_value());
    }
    EXPECT_EQ(listed, QStringList{"Save as PDF"});
    EXPECT_TRUE(note.startsWith(QStringLiteral("No printer is installed"))) << qPrintable(note);
    EXPECT_EQ(SessionPrintTarget(), PrintTarget{});  // Cancel leaves the choice alone

    ModalHand ok({[](QWidget* w) {
        QTest::keyClick(qobject_cast<FrmPrinter*>(w)->printerList(), Qt::Key_Return);
    }});
    const std::optional<PrintTarget> chosen = ChoosePrintTarget(over, PrinterFormMode::Setup);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->kind, PrintTarget::Kind::Pdf);
    EXPECT_EQ(SessionPrintTarget(), *chosen);
}
