#include "platform/mht_document.h"

#include <QFile>
#include <QRegularExpression>
#include <QUrl>

#include "platform/modules/mime_reader.h"
#include "platform/on_demand_module.h"

QByteArray MhtDocument::resolve(const QString& reference) const {
    if (reference.startsWith(QLatin1String("cid:"), Qt::CaseInsensitive)) {
        const QString id = QUrl::fromPercentEncoding(reference.mid(4).toUtf8());
        return partsByContentId.value(id);
    }
    if (auto found = partsByLocation.constFind(reference); found != partsByLocation.cend()) return found.value();
    // A relative reference resolved against the page's own location.
    const QUrl base(htmlLocation);
    const QUrl resolved = base.resolved(QUrl(reference));
    for (auto it = partsByLocation.cbegin(); it != partsByLocation.cend(); ++it) {
        if (base.resolved(QUrl(it.key())) == resolved) return it.value();
    }
    return {};
}

MhtReadResult ReadMhtBytes(const QByteArray& bytes) {
    const MimeReader* reader = OnDemandModule<MimeReader>("hmquiz-mime", "hmquizMimeReader");
    if (reader == nullptr) {
        MhtReadResult result;
        result.error = QStringLiteral("the document reader (module hmquiz-mime) cannot be loaded");
        return result;
    }
    return reader->readBytes(bytes);
}

MhtReadResult ReadMhtFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MhtReadResult result;
        result.error = QStringLiteral("%1 cannot be opened: %2").arg(path, file.errorString());
        return result;
    }
    MhtReadResult result = ReadMhtBytes(file.readAll());
    if (!result.ok) result.error = QStringLiteral("%1: %2").arg(path, result.error);
    return result;
}

QStringList ImageReferences(const QString& html) {
    static const QRegularExpression src(QStringLiteral("<img\\b[^>]*\\bsrc\\s*=\\s*[\"']([^\"']*)[\"']"),
                                        QRegularExpression::CaseInsensitiveOption);
    QStringList references;
    for (auto it = src.globalMatch(html); it.hasNext();) references.append(it.next().captured(1));
    return references;
}
