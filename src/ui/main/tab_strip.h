#pragma once
// The module tabs Tab01..Tab03 and the Help tab Tab04 with their captions, over the tab-strip
// background. The tabs lie on the main window itself: the inactive ones behind the strip, the
// active one in front of it and 2 pixels higher.

#include <QObject>
#include <QRect>
#include <array>

#include "session/shared_fields.h"
#include "ui/frame/key_navigation.h"

class QLabel;
class QWidget;
class SkinnedButton;

class TabStrip : public QObject {
    Q_OBJECT
  public:
    TabStrip(const QString& graphicsFolder, QWidget* window);

    // Sizes the tabs to their pictures.
    void loadPictures();
    int tabHeight() const;
    // The strip background (and its line 10 pixels above its lower edge).
    void placeStrip(const QRect& strip);
    QRect stripRect() const;

    // Captions, tooltips and places from the module labels (empty: the module does not exist,
    // and its tab is moved out of sight and hidden).
    void setModules(const std::array<QString, kModuleCount>& labels);

    // Tab k (a module's number or kHelpTab) in front and chosen, the others behind the strip.
    void raiseTab(int tab);

    SkinnedButton* tab(int k) const { return m_tabs[k - 1]; }
    FocusStop focusStop() const;

  signals:
    void tabClicked(int tab);  // a module's number or kHelpTab

  private:
    QString m_folder;
    SkinnedButton* m_tabs[kHelpTab] = {};
    QLabel* m_captions[kHelpTab] = {};
    QWidget* m_strip = nullptr;
    QWidget* m_line = nullptr;
};
