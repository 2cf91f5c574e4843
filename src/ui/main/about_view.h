#pragma once
// Body_About: logo, program name, version, platform and the link to the maker's page.

#include <QUrl>
#include <QWidget>

class QLabel;

class AboutView : public QWidget {
    Q_OBJECT
  public:
    AboutView(const QString& graphicsFolder, QWidget* parent);

    void loadPictures();
    void setProgramName(const QString& name);

    static QUrl MakersPage();

  signals:
    void linkClicked();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QString m_folder;
    QLabel* m_logo = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_link = nullptr;
};
