#pragma once
// frmPrinter: the printer form in the window skin. It lists the printers (the system's default
// marked) and "Save as PDF", the page size and the orientation, and OK / Cancel. It chooses;
// it never prints. Keys: Enter is OK, Escape is Cancel, Alt with an underlined letter moves to
// a control.

#include <QList>
#include <optional>

#include "platform/print_target.h"
#include "ui/frame/skinned_window.h"

class QButtonGroup;
class QComboBox;
class QEventLoop;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QRadioButton;
class SkinnedButton;

// Setup chooses for later prints; Print chooses for the print about to be made ("Print" button).
enum class PrinterFormMode { Setup, Print };

class FrmPrinter : public SkinnedWindow {
    Q_OBJECT
  public:
    FrmPrinter(const QString& graphicsFolder, PrinterFormMode mode, QWidget* parent = nullptr);

    // Lists `printers` and "Save as PDF", and shows `current` (or the default printer, or PDF
    // when there is no printer).
    void offer(const QList<PrinterEntry>& printers, const PrintTarget& current);
    // The choice the form shows now.
    PrintTarget choice() const;

    // Centres the form over `over`, shows it modal to the window it belongs to and returns the
    // choice on OK, nothing on Cancel or any other way of closing.
    std::optional<PrintTarget> exec(QWidget* over);

    QListWidget* printerList() const { return m_printers; }
    QComboBox* pageSizeBox() const { return m_pageSize; }
    QRadioButton* portraitButton() const { return m_portrait; }
    QRadioButton* landscapeButton() const { return m_landscape; }
    SkinnedButton* okButton() const { return m_buttons[0]; }
    SkinnedButton* cancelButton() const { return m_buttons[1]; }

  protected:
    void layoutContent() override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildBody(PrinterFormMode mode);
    QHBoxLayout* buildOrientation();
    QHBoxLayout* buildButtons(PrinterFormMode mode);
    void printerChanged();
    void fillPageSizes(const QList<QPageSize>& sizes, const QPageSize& preferred);
    bool pdfChosen() const;
    void finish(bool accepted);

    QList<PrinterEntry> m_entries;
    QWidget* m_body = nullptr;
    QListWidget* m_printers = nullptr;
    QLabel* m_note = nullptr;
    QComboBox* m_pageSize = nullptr;
    QList<QPageSize> m_sizes;  // the sizes m_pageSize lists, in its order
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    SkinnedButton* m_buttons[2] = {};
    bool m_accepted = false;
    bool m_closed = false;
    QEventLoop* m_loop = nullptr;
};

// The form over `over`, offering the printers installed now and showing the session's choice;
// a choice made there (OK or Print) becomes the session's choice for every later print.
std::optional<PrintTarget> ChoosePrintTarget(SkinnedWindow& over, PrinterFormMode mode);
