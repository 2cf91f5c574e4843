#pragma once
// Body_Learners: who practises on this computer. The list of learners (the one practising now
// marked), a name field, and buttons to practise as the learner chosen, add a learner, rename
// or remove the one chosen, and open the parent's overview. It only shows and asks; the main
// window does the changes and tells the view what came of them.

#include <QStringList>

#include "ui/main/family_view.h"

class QLabel;
class QLineEdit;
class QListWidget;
class SkinnedButton;

class LearnersView : public FamilyView {
    Q_OBJECT
  public:
    LearnersView(const QString& graphicsFolder, QWidget* parent);

    // The learners in their order and the one practising now.
    void setLearners(const QStringList& names, int practising);
    int chosen() const;  // the row chosen in the list, -1 for none
    QString typedName() const;
    void clearTypedName();
    // A sentence under the buttons: what happened, or why not.
    void setNote(const QString& text);
    QString note() const;

    QListWidget* list() const { return m_list; }
    QLineEdit* nameField() const { return m_name; }
    SkinnedButton* button(const QString& objectName) const;

    QList<QWidget*> focusChain() const override;

  signals:
    void practiseClicked(int index);
    void addClicked(const QString& name);
    void renameClicked(int index, const QString& name);
    void removeClicked(int index);
    void overviewClicked();

  private:
    void updateButtons();

    QString m_folder;
    QListWidget* m_list = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_note = nullptr;
    SkinnedButton* m_practise = nullptr;
    SkinnedButton* m_remove = nullptr;
    SkinnedButton* m_overview = nullptr;
    SkinnedButton* m_add = nullptr;
    SkinnedButton* m_rename = nullptr;
    int m_practising = -1;
};
