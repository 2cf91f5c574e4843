#pragma once
// A hand for the modal windows a print opens (the printer form, the program's pop-up, the file
// dialog): each one that opens gets the next action in turn, and what it showed is recorded.
// When the actions run out, a window is closed (which answers No or Cancel).

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

class ModalHand : public QObject {
  public:
    using Action = std::function<void(QWidget*)>;

    explicit ModalHand(QList<Action> actions = {}) : actions_(std::move(actions)) {
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start(20);
    }

    // "frmPopUp|title|message", "frmPrinter|title", "QFileDialog|title", in order.
    QStringList seen;

    static Action answer(bool yes) {
        return [yes](QWidget* w) {
            if (auto* b =
                    w->findChild<QWidget*>(yes ? QStringLiteral("But1") : QStringLiteral("But2")))
                QTest::mouseClick(b, Qt::LeftButton);
        };
    }
    static Action saveAs(const QString& path) {
        return [path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            if (!dialog) return w->close(), void();
            // selectFile() leaves the name box alone while it has the focus: type into it.
            dialog->setDirectory(QFileInfo(path).absolutePath());
            if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                box->setText(QFileInfo(path).fileName());
            else
                dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        };
    }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == last_) return;
        last_ = modal;
        seen.append(describe(modal));
        if (actions_.isEmpty())
            modal->close();
        else
            actions_.takeFirst()(modal);
    }

    static QString describe(QWidget* w) {
        QString text = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                 : w->objectName();
        text += QLatin1Char('|') + w->windowTitle();
        if (auto* message = w->findChild<QLabel*>(QStringLiteral("lblMessage")))
            text += QLatin1Char('|') + message->text();
        return text;
    }

    QList<Action> actions_;
    QPointer<QWidget> last_;
    QTimer timer_;
};
