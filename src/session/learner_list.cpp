#include "session/learner_list.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "records/file_io.h"
#include "results/results_files.h"
#include "session/learner_names.h"
#include "session/learner_settings.h"
#include "session/session_log.h"
#include "session/settings_file.h"

namespace {

class ListText {
    Q_DECLARE_TR_FUNCTIONS(LearnerList)
};

const QString kInPlace = QStringLiteral(".");

bool Rename(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    qCWarning(lcSession) << "could not move" << from << "to" << to << qt_error_string();
    return false;
}

// A folder of ours under "learners/": one plain name, nothing that climbs out.
bool IsLearnerFolder(const QString& folder) {
    const QString prefix = LearnerList::learnersFolderName() + QLatin1Char('/');
    if (!folder.startsWith(prefix)) return false;
    const QString leaf = folder.mid(prefix.size());
    return !leaf.isEmpty() && !leaf.contains(QLatin1Char('/')) && leaf != QStringLiteral(".") &&
           leaf != QStringLiteral("..");
}

// The files of the learner kept at the top of the data folder: its results files, their dated
// copies and its settings.
QStringList InPlaceFiles(const QString& dataFolder) {
    QStringList files;
    const QDir top(dataFolder);
    for (const QFileInfo& entry : top.entryInfoList(QDir::Files | QDir::System | QDir::Hidden)) {
        const QString name = entry.fileName();
        const QString base = name.section(QLatin1Char('.'), 0, 1);  // "marks2HM.txt"
        if (IsResultsFileName(name) || name == LearnerSettings::fileName() ||
            (IsResultsFileName(base) && name.startsWith(base + QStringLiteral(".damaged-"))))
            files << name;
    }
    return files;
}

bool HasResultsAtTop(const QString& dataFolder) {
    for (const QString& name : InPlaceFiles(dataFolder))
        if (IsResultsFileName(name)) return true;
    return false;
}

}  // namespace

QString LearnerList::fileName() {
    return QStringLiteral("learners.ini");
}
QString LearnerList::learnersFolderName() {
    return QStringLiteral("learners");
}
QString LearnerList::removedFolderName() {
    return QStringLiteral("removed learners");
}
QString LearnerList::firstLearnerName() {
    return ListText::tr("Learner 1");
}

LearnerList LearnerList::load(const QString& dataFolder) {
    LearnerList list;
    list.m_dataFolder = dataFolder;
    const QString path = QDir(dataFolder).filePath(fileName());
    list.m_listed = ReadSettingsFile(path, [&list](QSettings& s) {
        const int size = s.beginReadArray(QStringLiteral("learners"));
        for (int i = 0; i < size; ++i) {
            s.setArrayIndex(i);
            Learner learner{CleanLearnerName(s.value(QStringLiteral("name")).toString()),
                            s.value(QStringLiteral("folder")).toString()};
            const bool placeOk = (learner.folder == kInPlace || IsLearnerFolder(learner.folder)) &&
                                 list.indexOfFolder(learner.folder) < 0;
            if (placeOk && CheckLearnerName(learner.name, list.names()) == LearnerNameProblem::None)
                list.m_learners.append(learner);
            else
                qCWarning(lcSession)
                    << "left out a learner the list cannot hold:" << learner.name << learner.folder;
        }
        s.endArray();
        list.m_last = s.value(QStringLiteral("last")).toString();
    });
    if (!list.m_learners.isEmpty()) return list;

    // No list, or none that holds a learner: the folders say who there is.
    const QDir learners(QDir(dataFolder).filePath(learnersFolderName()));
    const QStringList subfolders =
        learners.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    if (subfolders.isEmpty() || HasResultsAtTop(dataFolder))
        list.m_learners.append({firstLearnerName(), kInPlace});
    for (const QString& folder : subfolders) {
        if (CheckLearnerName(folder, list.names()) != LearnerNameProblem::None) continue;
        list.m_learners.append({folder, learnersFolderName() + QLatin1Char('/') + folder});
    }
    if (list.m_listed) qCWarning(lcSession) << path << "holds no learner; taken from the folders";
    return list;
}

int LearnerList::indexOfFolder(const QString& folder) const {
    for (int i = 0; i < count(); ++i)
        if (m_learners[i].folder == folder) return i;
    return -1;
}

QStringList LearnerList::names() const {
    QStringList all;
    for (const Learner& l : m_learners) all << l.name;
    return all;
}

QStringList LearnerList::namesExcept(int index) const {
    QStringList all = names();
    if (index >= 0 && index < all.size()) all.removeAt(index);
    return all;
}

int LearnerList::indexOf(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (SameLearnerName(m_learners[i].name, name)) return i;
    return -1;
}

int LearnerList::lastIndex() const {
    return qMax(0, indexOf(m_last));
}

QString LearnerList::folderOf(int index) const {
    if (index < 0 || index >= count()) return {};
    const QString& folder = m_learners[index].folder;
    return folder == kInPlace ? m_dataFolder : QDir(m_dataFolder).filePath(folder);
}

QStringList LearnerList::folders() const {
    QStringList all;
    for (int i = 0; i < count(); ++i) all << folderOf(i);
    return all;
}

bool LearnerList::untouched() const {
    return !m_listed && count() == 1 && m_learners[0].folder == kInPlace &&
           !HasResultsAtTop(m_dataFolder);
}

QString LearnerList::freeFolderIn(const QString& parent, const QString& base) const {
    const QDir dir(QDir(m_dataFolder).filePath(parent));
    QString leaf = base;
    for (int n = 2; dir.exists(leaf) || QFileInfo(dir.filePath(leaf)).isSymLink(); ++n)
        leaf = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return leaf;
}

bool LearnerList::save() const {
    const bool written =
        WriteSettingsFile(QDir(m_dataFolder).filePath(fileName()), [this](QSettings& s) {
            s.setValue(QStringLiteral("last"), m_last);
            s.beginWriteArray(QStringLiteral("learners"), count());
            for (int i = 0; i < count(); ++i) {
                s.setArrayIndex(i);
                s.setValue(QStringLiteral("name"), m_learners[i].name);
                s.setValue(QStringLiteral("folder"), m_learners[i].folder);
            }
            s.endArray();
        });
    if (written) SyncFolder(m_dataFolder);
    return written;
}

LearnerList::Change LearnerList::add(const QString& typed) {
    Change change;
    const QString name = CleanLearnerName(typed);
    const LearnerNameProblem problem = CheckLearnerName(name, names());
    if (problem != LearnerNameProblem::None) {
        change.problem = LearnerNameProblemText(problem, name);
        return change;
    }
    const QString leaf = freeFolderIn(learnersFolderName(), name);
    const QString relative = learnersFolderName() + QLatin1Char('/') + leaf;
    const QString absolute = QDir(m_dataFolder).filePath(relative);
    if (!QDir().mkpath(absolute)) {
        qCWarning(lcSession) << "could not make" << absolute;
        change.problem = ListText::tr("The folder for %1 could not be made in %2.")
                             .arg(name, QDir::toNativeSeparators(m_dataFolder));
        return change;
    }
    SyncFolder(QFileInfo(absolute).path());
    LearnerList next = *this;
    next.m_learners.append({name, relative});
    if (!next.save()) {
        QDir().rmdir(absolute);
        change.problem = ListText::tr("The list of learners could not be written in %1.")
                             .arg(QDir::toNativeSeparators(m_dataFolder));
        return change;
    }
    *this = next;
    m_listed = true;
    change.done = true;
    change.index = count() - 1;
    return change;
}

LearnerList::Change LearnerList::rename(int index, const QString& typed) {
    Change change;
    if (index < 0 || index >= count()) return change;
    const QString name = CleanLearnerName(typed);
    const LearnerNameProblem problem = CheckLearnerName(name, namesExcept(index));
    if (problem != LearnerNameProblem::None) {
        change.problem = LearnerNameProblemText(problem, name);
        return change;
    }
    LearnerList next = *this;
    Learner& learner = next.m_learners[index];
    const QString oldFolder = folderOf(index);
    QString newFolder;  // set when the folder moved
    // The folder follows the name, so a parent finds it; the first learner's files stay put. A
    // folder that went missing is made anew at the next start; only the list changes then.
    if (learner.folder != kInPlace && learner.name != name) {
        const QString relative =
            learnersFolderName() + QLatin1Char('/') + freeFolderIn(learnersFolderName(), name);
        const QString target = QDir(m_dataFolder).filePath(relative);
        const bool there = QFileInfo::exists(oldFolder) || QFileInfo(oldFolder).isSymLink();
        if (!there || Rename(oldFolder, target)) {
            learner.folder = relative;
            if (there) newFolder = target;
        }
    }
    if (SameLearnerName(m_last, m_learners[index].name)) next.m_last = name;
    learner.name = name;
    if (!next.save()) {
        if (!newFolder.isEmpty()) Rename(newFolder, oldFolder);
        change.problem = ListText::tr("The list of learners could not be written in %1.")
                             .arg(QDir::toNativeSeparators(m_dataFolder));
        return change;
    }
    *this = next;
    m_listed = true;
    change.done = true;
    change.index = index;
    return change;
}

LearnerList::Change LearnerList::remove(int index, const QDateTime& now) {
    Change change;
    if (index < 0 || index >= count()) return change;
    if (count() < 2) {
        change.problem = ListText::tr("The only learner cannot be removed.");
        return change;
    }
    const Learner learner = m_learners[index];
    const QString removed = QDir(m_dataFolder).filePath(removedFolderName());
    const QString leaf = freeFolderIn(
        removedFolderName(),
        QStringLiteral("%1 %2").arg(learner.name, now.toString(QStringLiteral("yyyy-MM-dd"))));
    const QString aside = QDir(removed).filePath(leaf);
    const QString cannot = ListText::tr("The results of %1 could not be moved aside into %2.")
                               .arg(learner.name, QDir::toNativeSeparators(removed));
    if (!QDir().mkpath(removed)) {
        change.problem = cannot;
        return change;
    }

    // What moved, to move back should the list not be written.
    QList<std::pair<QString, QString>> moved;
    const auto moveBack = [&moved] {
        for (auto it = moved.crbegin(); it != moved.crend(); ++it) Rename(it->second, it->first);
    };
    const QString folder = folderOf(index);
    if (learner.folder == kInPlace) {
        if (!QDir().mkpath(aside)) {
            change.problem = cannot;
            return change;
        }
        for (const QString& name : InPlaceFiles(m_dataFolder)) {
            const QString from = QDir(m_dataFolder).filePath(name);
            const QString to = QDir(aside).filePath(name);
            if (!Rename(from, to)) {
                moveBack();
                QDir().rmdir(aside);
                change.problem = cannot;
                return change;
            }
            moved.append({from, to});
        }
    } else if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink()) {
        if (!Rename(folder, aside)) {
            change.problem = cannot;
            return change;
        }
        moved.append({folder, aside});
    }
    SyncFolder(removed);

    LearnerList next = *this;
    next.m_learners.removeAt(index);
    if (SameLearnerName(m_last, learner.name)) next.m_last = next.m_learners.first().name;
    if (!next.save()) {
        moveBack();
        change.problem = ListText::tr("The list of learners could not be written in %1.")
                             .arg(QDir::toNativeSeparators(m_dataFolder));
        return change;
    }
    SyncFolder(m_dataFolder);
    *this = next;
    m_listed = true;
    change.done = true;
    change.aside = aside;
    return change;
}

bool LearnerList::setLast(int index) {
    if (index < 0 || index >= count()) return false;
    if (SameLearnerName(m_last, m_learners[index].name) && m_listed) return true;
    m_last = m_learners[index].name;
    if (!m_listed && count() < 2) return true;
    if (!save()) return false;
    m_listed = true;
    return true;
}
