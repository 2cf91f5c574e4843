#pragma once
// A MIME HTML archive: a multipart/related message whose first part is the HTML page
// (quoted-printable, UTF-8) and whose further parts are its pictures (base64), each found by
// its Content-Location, the file name the page uses in <img src>.

#include <QByteArray>
#include <QList>
#include <QString>

struct ArchivePart {
    QString location;  // file name the HTML refers to
    QByteArray contentType;
    QByteArray bytes;
};

QByteArray BuildMhtArchive(const QString& subject, const QString& html, const QList<ArchivePart>& pictures);

// Quoted-printable text with CR LF line ends and lines of at most 76 characters.
QByteArray EncodeQuotedPrintable(const QByteArray& text);
