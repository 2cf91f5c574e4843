#pragma once
// Body_About: logo, program name, version, platform, the link to the maker's page, and the keys
// of both windows.

#include <QList>
#include <QUrl>

#include "ui/main/main_view.h"

class QLabel;
class SkinnedButton;

class AboutView : public MainView {
    Q_OBJECT
  public:
    AboutView(const QString& graphicsFolder, QWidget* parent);

    // Reads the view's pictures, once the start-up has written them out.
    void loadPictures();
    void setProgramName(const QString& name);

    static QUrl MakersPage();
    QList<FocusStop> focusStops() const override;

  signals:
    void linkClicked();
    void learnersClicked();

  private:
    QLabel* centred(const QString& name, const QString& text, int top, const QFont& font);
    void buildKeys();

    QString m_folder;
    QLabel* m_logo = nullptr;
    QLabel* m_name = nullptr;
    SkinnedButton* m_link = nullptr;
    SkinnedButton* m_learners = nullptr;
};
