#include "mht_archive.h"

namespace {

constexpr int kMaxLine = 76;
const QByteArray kBoundary = QByteArrayLiteral("----=_NextPart_HomeMathsQuiz_000");
const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QByteArray EncodeQpLine(const QByteArray& line) {
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    int column = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const bool last = i + 1 == line.size();
        QByteArray token;
        // Spaces and tabs at a line end would be stripped by mail software, so they are encoded.
        if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last)) {
            token = QByteArray(1, static_cast<char>(c));
        } else {
            token = QByteArray{"="} + hex[c >> 4] + hex[c & 15];
        }
        // Leave room for the soft break '=' unless this token ends the line.
        const int room = last ? kMaxLine : kMaxLine - 1;
        if (column + token.size() > room) {
            out += '=' + kCrLf;
            column = 0;
        }
        out += token;
        column += static_cast<int>(token.size());
    }
    return out;
}

QByteArray Base64Lines(const QByteArray& bytes) {
    const QByteArray encoded = bytes.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < encoded.size(); i += kMaxLine) out += encoded.mid(i, kMaxLine) + kCrLf;
    return out;
}

}  // namespace

QByteArray EncodeQuotedPrintable(const QByteArray& text) {
    QByteArray normalised = text;
    normalised.replace("\r\n", "\n");
    const QList<QByteArray> lines = normalised.split('\n');
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += EncodeQpLine(lines[i]);
        if (i + 1 < lines.size()) out += kCrLf;
    }
    return out;
}

QByteArray BuildMhtArchive(const QString& subject, const QString& html, const QList<ArchivePart>& pictures) {
    QByteArray out;
    out += "From: <Saved by Home Maths Quiz>" + kCrLf;
    out += "Subject: " + subject.toLatin1() + kCrLf;
    out += "MIME-Version: 1.0" + kCrLf;
    out += "Content-Type: multipart/related;" + kCrLf;
    out += "\ttype=\"text/html\";" + kCrLf;
    out += "\tboundary=\"" + kBoundary + "\"" + kCrLf;
    out += kCrLf;
    out += "This is a multi-part message in MIME format." + kCrLf;
    out += kCrLf;
    out += "--" + kBoundary + kCrLf;
    out += "Content-Type: text/html; charset=\"utf-8\"" + kCrLf;
    out += "Content-Transfer-Encoding: quoted-printable" + kCrLf;
    out += "Content-Location: question.htm" + kCrLf;
    out += kCrLf;
    out += EncodeQuotedPrintable(html.toUtf8()) + kCrLf;
    for (const ArchivePart& picture : pictures) {
        out += kCrLf + "--" + kBoundary + kCrLf;
        out += "Content-Type: " + picture.contentType + kCrLf;
        out += "Content-Transfer-Encoding: base64" + kCrLf;
        out += "Content-Location: " + picture.location.toLatin1() + kCrLf;
        out += kCrLf;
        out += Base64Lines(picture.bytes);
    }
    out += kCrLf + "--" + kBoundary + "--" + kCrLf;
    return out;
}
