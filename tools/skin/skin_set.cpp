#include "skin_set.h"

#include "controls.h"
#include "emblems.h"
#include "frame_pieces.h"
#include "gif_writer.h"
#include "image_encoding.h"
#include "skin_names.h"
#include "toolbar_buttons.h"

#include <QDir>
#include <QHash>
#include <QSaveFile>

using namespace skin;

namespace {

// Toolbar pictures are named <icon>_<state>.bmp.
QImage ToolbarPicture(const QString& base) {
    static const QHash<QString, ToolIcon> icons = {
        {"about", ToolIcon::About},     {"back", ToolIcon::Back},     {"close", ToolIcon::Close},
        {"forward", ToolIcon::Forward}, {"home", ToolIcon::Home},     {"mark", ToolIcon::Mark},
        {"print", ToolIcon::Print},     {"report", ToolIcon::Report}, {"save", ToolIcon::Save},
        {"setup", ToolIcon::Setup},     {"trash", ToolIcon::Trash},
    };
    static const QHash<QString, ToolState> states = {
        {"off", ToolState::Off},
        {"on", ToolState::On},
        {"pressed", ToolState::Pressed},
        {"disabled", ToolState::Disabled},
    };
    const qsizetype cut = base.indexOf(u'_');
    const QString icon = base.left(cut);
    const QString state = base.mid(cut + 1);
    if (!icons.contains(icon) || !states.contains(state)) return {};
    return ToolbarButton(icons.value(icon), states.value(state));
}

QImage TitleButtonPicture(const QString& base) {
    // prog_<set>_<glyph>
    const QStringList parts = base.split(u'_');
    if (parts.size() != 3) return {};
    const TitleButtonSet set = parts[1] == "blue"      ? TitleButtonSet::Blue
                               : parts[1] == "blueoff" ? TitleButtonSet::BlueOff
                                                       : TitleButtonSet::White;
    const TitleGlyph glyph = parts[2] == "close" ? TitleGlyph::Close
                             : parts[2] == "max" ? TitleGlyph::Max
                             : parts[2] == "min" ? TitleGlyph::Min
                                                 : TitleGlyph::Norm;
    return TitleButton(glyph, set);
}

QImage FramePicture(const QString& base) {
    static const QHash<QString, QImage (*)()> plain = {
        {"border_bot", BorderBottom},
        {"border_left", BorderLeft},
        {"border_left_corners", BorderLeftCorner},
        {"border_right", BorderRight},
        {"border_right_corners", BorderRightCorner},
    };
    if (plain.contains(base)) return plain.value(base)();
    const bool active = !base.startsWith(QLatin1String("border_white"));
    if (base.endsWith(QLatin1String("_top_center"))) return TitlePiece(StripPiece::Centre, active);
    if (base.endsWith(QLatin1String("_top_left"))) return TitlePiece(StripPiece::Left, active);
    if (base.endsWith(QLatin1String("_top_right"))) return TitlePiece(StripPiece::Right, active);
    return {};
}

QImage OtherPicture(const QString& base) {
    if (base == "tabs_back_off") return Tab(false, false);
    if (base == "tabs_back_on") return Tab(false, true);
    if (base == "tabs_front_off") return Tab(true, false);
    if (base == "tabs_front_on") return Tab(true, true);
    if (base == "loadbutton_on") return LoadButton(true);
    if (base == "loadbutton_off") return LoadButton(false);
    if (base == "button_off") return Button(ButtonState::Off);
    if (base == "button_on") return Button(ButtonState::On);
    if (base == "button_pressed") return Button(ButtonState::Pressed);
    if (base.startsWith(QLatin1String("bottombg"))) return BottomBackground(base.mid(8).toInt());
    if (base == "columnhead1") return ColumnHead(1);
    if (base == "columnhead2") return ColumnHead(2);
    if (base == "progressbar") return ProgressCell();
    if (base == "statusgrabber") return SizeGrip();
    if (base == "bullet") return Bullet();
    if (base == "Handle") return SheetHandle();
    if (base == "pen") return PenPicture();
    if (base == "bar") return SectionBar();
    if (base == "info_mark") return InfoMark();
    if (base == "Logo") return Logo();
    if (base == "instruction") return Instruction();
    if (base == "Border_bot_left") return DialogCorner(true);
    if (base == "Border_bot_right") return DialogCorner(false);
    return {};
}

}  // namespace

QList<QImage> DrawSkinPicture(int id) {
    const QString name = SkinFileName(id);
    if (name.isEmpty()) return {};
    const QString base = name.section(u'.', 0, 0);
    if (base == "VTicon") return ProgramIcon();
    if (base == "pencil") return PencilIcon();
    if (base == "hand") return HandIcon();

    QImage image;
    if (id <= 37) {
        image = ToolbarPicture(base);
    } else if (base.startsWith(QLatin1String("prog_"))) {
        image = TitleButtonPicture(base);
    } else if (base.startsWith(QLatin1String("border_"))) {
        image = FramePicture(base);
    } else {
        image = OtherPicture(base);
    }
    if (image.isNull()) return {};
    return {image};
}

QByteArray EncodeSkinPicture(int id) {
    const QList<QImage> images = DrawSkinPicture(id);
    if (images.isEmpty()) return {};
    switch (SkinFormatOf(id)) {
        case SkinFormat::Bmp:
            return EncodeBmp(images.first());
        case SkinFormat::Ico:
            return EncodeIco(images);
        case SkinFormat::Gif:
            break;
    }
    return EncodeGif(ReduceColours(images.first()));
}

bool WriteSkin(const QString& dir, QString* error) {
    if (!QDir().mkpath(dir)) {
        if (error) *error = QStringLiteral("cannot create %1").arg(dir);
        return false;
    }
    for (int id : SkinIds()) {
        const QByteArray bytes = EncodeSkinPicture(id);
        if (bytes.isEmpty()) {
            if (error)
                *error =
                    QStringLiteral("cannot draw picture %1 (%2)").arg(id).arg(SkinFileName(id));
            return false;
        }
        QSaveFile file(QDir(dir).filePath(QString::number(id)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            if (error) *error = QStringLiteral("cannot write %1").arg(file.fileName());
            return false;
        }
    }
    return true;
}
