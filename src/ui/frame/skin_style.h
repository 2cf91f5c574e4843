#pragma once
// Fonts, colours and marks every window of the skin shares. Text colours are chosen so each text
// reaches a contrast of 4.5:1 on the ground it is drawn on (3:1 for disabled captions).

#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;
class QWidget;

// The cream the skin pictures are drawn on.
inline const QColor kSkinSurface(244, 245, 235);
// The line across the tab strip.
inline const QColor kStripLine(190, 204, 222);
// Dark enough on cream, white and the light-blue hover tiles (contrast above 7:1 on all three).
inline const QColor kFocusMarkColour(0, 61, 140);

// Captions of toolbar buttons, tabs and report bars, on the skin's light pictures.
inline const QColor kCaptionText(33, 52, 84);
// A disabled toolbar caption on the cream strip (3.4:1).
inline const QColor kCaptionTextDisabled(128, 132, 140);
// The title on the active (blue) and the inactive (white) title strip.
inline const QColor kTitleActiveText(255, 255, 255);
inline const QColor kTitleInactiveText(100, 100, 100);
// Captions on the blue column heads.
inline const QColor kColumnHeadText(255, 255, 255);

// The main window's Home view: the chosen topic's heading, the stripes behind alternate paper
// slots, the ground of the chosen topic's entry, and the About view's link.
inline const QColor kSubHeadingText(0, 0, 128);
inline const QColor kPaperStripe(243, 247, 252);
inline const QColor kChosenTopicGround(128, 128, 128);
inline const QColor kLinkText(0, 0, 192);

// The Report view: captions and values, the topical headings, bars and tracks (the first
// heading's pink is too light for white text, so its text is the report's dark purple; the
// second keeps white on its deep magenta, both above 4.5:1), the trend plot's frame and inks.
inline const QColor kReportCaptionText(64, 0, 64);
inline const QColor kReportValueText(128, 0, 128);
inline const QColor kFirstAttemptHeading(255, 128, 255);
inline const QColor kSecondAttemptHeading(192, 0, 192);
inline const QColor kFirstAttemptBar(255, 192, 255);
inline const QColor kSecondAttemptBar(192, 192, 255);
inline const QColor kTrackGround(250, 246, 250);
inline const QColor kTrackEdge(200, 170, 200);
inline const QColor kTrendFrameEdge(176, 176, 176);
inline const QColor kTrendGridColour(224, 224, 224);
inline const QColor kTrendStemColour(0, 0, 0);
inline const QColor kTrendLineColour(0, 0, 255);

// The practice window: the question's title strip, a part carried over from the first attempt,
// the answer boxes' borders (drawborder), the correct answer shown, the note on a refused
// character, and the marking progress.
inline const QColor kQuestionTitleStrip(190, 204, 222);
inline const QColor kCarriedOverTint(192, 192, 255);
// The skin's light blue (178, 217, 246) and red, darkened in their own hue until an answer box's
// outline stands 3:1 and the verdicts 4.5:1 against the sheet.
inline const QColor kAnswerBorderBlue(26, 137, 219);
inline const QColor kVerdictRed(200, 0, 0);
inline const QColor kAnswerBorderGrey(192, 192, 192);
inline const QColor kCorrectAnswerGround(226, 242, 226);
inline const QColor kCorrectAnswerText(0, 100, 0);
inline const QColor kRefusalNoteGround(255, 250, 205);
inline const QColor kMarkingText(128, 128, 128);
inline const QColor kMarkingBar(49, 106, 197);

// The skin's text face at a size in points; fontconfig substitutes a metric-compatible face.
QFont ArialFont(double points, bool bold = false);
// The face of the windows' titles.
QFont TitleFont();

// The keyboard-focus mark of a control: a dark ring with a white inner line, so it shows on
// light and dark pictures alike.
void PaintFocusMark(QPainter& painter, const QRect& area);

// A view whose ground is plain white (the bodies of the main window's views).
void MakeWhiteGround(QWidget* widget);
// Fills `widget`'s ground with `colour` (the cream surface, a strip).
void PaintGround(QWidget* widget, const QColor& colour);
// `colour` for the widget's text in the active and inactive window, kCaptionTextDisabled while
// it is disabled.
void SetTextColour(QWidget* widget, const QColor& colour = kCaptionText);
