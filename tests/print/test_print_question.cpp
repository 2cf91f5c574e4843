// The practice window's Print: the printer form first, then the question under its header line,
// here to a PDF file (the printing test prints it on a real queue).
#include <gtest/gtest.h>

#include "../ui/practice/practice_fixture.h"
#include "modal_hand.h"
#include "pdf_words.h"

#include <QComboBox>
#include <QListWidget>

#include "content/resource_ids.h"
#include "platform/document_print.h"
#include "platform/question_document_view.h"
#include "ui/practice/question_pane.h"
#include "ui/frame/skinned_button.h"
#include "ui/print/print_feedback.h"
#include "ui/print/print_notice.h"
#include "ui/print/printer_form.h"

namespace {

struct NoPrintServer : ::testing::Environment {
    QTemporaryDir dir;
    void SetUp() override {
        qputenv("CUPS_SERVER", dir.filePath(QStringLiteral("no-such-cupsd.sock")).toLocal8Bit());
    }
};
const auto* const kNoServer = ::testing::AddGlobalTestEnvironment(new NoPrintServer);

// In the printer form: "Save as PDF" on Letter, then Print.
void PdfOnLetter(QWidget* w) {
    auto* form = qobject_cast<FrmPrinter*>(w);
    if (!form) return w->close(), void();
    form->printerList()->setCurrentRow(form->printerList()->count() - 1);
    form->pageSizeBox()->setCurrentIndex(
        form->pageSizeBox()->findText(QPageSize(QPageSize::Letter).name()));
    QTest::mouseClick(form->okButton(), Qt::LeftButton);
}

}  // namespace

TEST(PrintQuestion, ThePrinterFormComesFirstAndThePdfHoldsTheQuestionUnderItsHeader) {
    if (!HavePopplerTools()) GTEST_SKIP() << "poppler-utils are not installed";
    PracticeFixture f;
    f.setPaper({{{"N", 1, "1"}}, {{"N", 1, "2"}}, {{"N", 1, "3"}}});
    if (PackageQuestionIds(3).size() < 3) GTEST_SKIP() << "the package is not built";
    PracticeWindow* w = f.open(1, 102);
    ASSERT_NE(w, nullptr);
    w->GoToQuestion(2);
    SetSessionPrintTarget({});

    // Cancel in the form: nothing is printed or asked.
    {
        ModalHand hand({[](QWidget* form) { QTest::keyClick(form, Qt::Key_Escape); }});
        w->PrintQuestion();
        ASSERT_EQ(hand.seen.size(), 1);
        EXPECT_EQ(hand.seen[0], QStringLiteral("frmPrinter|Print Question"));
    }
    EXPECT_EQ(SessionPrintTarget(), PrintTarget{});

    const QString pdf = f.path(QStringLiteral("question.pdf"));
    {
        ModalHand hand({PdfOnLetter, ModalHand::saveAs(pdf)});
        w->PrintQuestion();
        EXPECT_EQ(hand.seen.size(), 2);
    }
    // The choice made in the form holds for the next prints.
    EXPECT_EQ(SessionPrintTarget().kind, PrintTarget::Kind::Pdf);
    EXPECT_EQ(SessionPrintTarget().pageSize.id(), QPageSize::Letter);
    const auto* notice = w->findChild<PrintNotice*>();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), SavedNotice(PrintedDocument::Question, pdf));

    const PdfWords printed = ReadPdfWords(pdf);
    ASSERT_EQ(printed.pages.size(), 1);
    EXPECT_NEAR(printed.pages[0].width(), 612, 1);
    const QStringList words = Words(printed.texts().join(' '));
    const QStringList header = Words(QStringLiteral("Whole Numbers - Paper 2 - Question 2 of 3"));
    EXPECT_EQ(words.mid(0, header.size()), header);
    const auto shown = PrintableDocument(w->questionPane()->view()->archive());
    EXPECT_EQ(MissingInOrder(Words(shown->toPlainText()), words.mid(header.size())), QStringList());

    // Marked, the question prints with its worked solution beneath it; unmarked it did not.
    const MhtReadResult solution =
        ReadMhtBytes(ResourceBytes(SolutionId(f.content.questionIds[1].toInt())));
    ASSERT_TRUE(solution.ok);
    const QStringList worked = Words(PrintableDocument(solution.document)->toPlainText());
    ASSERT_FALSE(worked.isEmpty());
    EXPECT_FALSE(MissingInOrder(worked, words).isEmpty()) << "the solution printed before marking";
    {
        PopupHand yes({true});
        w->MarkPractice();
    }
    ASSERT_TRUE(w->session().isMarked());
    const QString markedPdf = f.path(QStringLiteral("marked.pdf"));
    {
        ModalHand hand({PdfOnLetter, ModalHand::saveAs(markedPdf)});
        w->PrintQuestion();
    }
    const QStringList markedWords = Words(ReadPdfWords(markedPdf).texts().join(' '));
    const QStringList questionThenSolution =
        Words(shown->toPlainText()) + Words(QStringLiteral("How to work it out")) + worked;
    EXPECT_EQ(MissingInOrder(questionThenSolution, markedWords), QStringList());
    EXPECT_EQ(QDir(f.dir.path()).entryList({QStringLiteral("tempsolution*")}, QDir::Files),
              QStringList())
        << "the file read for printing stayed";
    delete w;
}
