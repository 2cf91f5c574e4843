#include "session/learner_names.h"

#include <QCoreApplication>

namespace {

class NameText {
    Q_DECLARE_TR_FUNCTIONS(LearnerNames)
};

// The characters some disk refuses in a folder name (FAT and NTFS refuse the printable ones).
const QString kRefusedCharacters = QStringLiteral("/\\:*?\"<>|");

QString Folded(const QString& name) {
    return CleanLearnerName(name).normalized(QString::NormalizationForm_KC).toCaseFolded();
}

}  // namespace

QString CleanLearnerName(const QString& name) {
    return name.trimmed();
}

bool SameLearnerName(const QString& a, const QString& b) {
    return Folded(a) == Folded(b);
}

LearnerNameProblem CheckLearnerName(const QString& name, const QStringList& others) {
    const QString clean = CleanLearnerName(name);
    if (clean.isEmpty()) return LearnerNameProblem::Empty;
    if (clean.size() > kLearnerNameMaxLength) return LearnerNameProblem::TooLong;
    // A leading dot hides the folder; a trailing one is dropped by some disks.
    if (clean.startsWith(QLatin1Char('.')) || clean.endsWith(QLatin1Char('.')))
        return LearnerNameProblem::NotInFolderName;
    for (const char32_t c : clean.toUcs4()) {
        const QChar::Category kind = QChar::category(c);
        if ((c < 0x80 && kRefusedCharacters.contains(QChar(c))) || kind == QChar::Other_Control ||
            kind == QChar::Other_Format || kind == QChar::Other_NotAssigned ||
            kind == QChar::Other_PrivateUse || kind == QChar::Separator_Line ||
            kind == QChar::Separator_Paragraph || (QChar::isSpace(c) && c != U' '))
            return LearnerNameProblem::NotInFolderName;
    }
    for (const QString& other : others)
        if (SameLearnerName(clean, other)) return LearnerNameProblem::Taken;
    return LearnerNameProblem::None;
}

QString LearnerNameProblemText(LearnerNameProblem problem, const QString& name) {
    switch (problem) {
        case LearnerNameProblem::None:
            return {};
        case LearnerNameProblem::Empty:
            return NameText::tr("Please type the learner's name.");
        case LearnerNameProblem::TooLong:
            return NameText::tr("A name may have at most %1 letters.").arg(kLearnerNameMaxLength);
        case LearnerNameProblem::NotInFolderName:
            return NameText::tr(
                "A name may not hold any of / \\ : * ? \" < > |, tabs or line breaks, nor begin "
                "or end with a dot.");
        case LearnerNameProblem::Taken:
            return NameText::tr("There is already a learner called %1.")
                .arg(CleanLearnerName(name));
    }
    return {};
}
