#pragma once
// Reads a MIME HTML web archive (a multipart/related message: an HTML page and the pictures it
// shows) through GMime.

#include <QByteArray>
#include <QHash>
#include <QString>

struct MhtDocument {
    QString html;          // the page, decoded to text from its charset
    QString htmlLocation;  // Content-Location of the page, if any
    QHash<QString, QByteArray> partsByLocation;   // decoded bytes of every other part
    QHash<QString, QByteArray> partsByContentId;  // the same by Content-ID, without < >

    // The bytes a reference of the page names: "cid:<id>", a Content-Location, or a URL that
    // ends in one (a path resolved against the page's location). Null when nothing matches.
    QByteArray resolve(const QString& reference) const;
    bool resolves(const QString& reference) const { return !resolve(reference).isNull(); }
};

struct MhtReadResult {
    bool ok = false;
    QString error;  // why the archive cannot be shown, when !ok
    MhtDocument document;
};

MhtReadResult ReadMhtBytes(const QByteArray& bytes);
MhtReadResult ReadMhtFile(const QString& path);

// The picture references (<img src>) of an HTML page, in order.
QStringList ImageReferences(const QString& html);
