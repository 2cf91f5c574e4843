// The module hmquiz-mime: the one part of the program that links GMime.
#include "platform/modules/mime_reader.h"

// GLib names a struct member `signals`, which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gmime/gmime.h>
#pragma pop_macro("signals")

#include <mutex>

namespace {

void InitGMimeOnce() {
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

// Parser issues after which the archive cannot be trusted to be whole.
struct ParseIssues {
    QString first;
};

void OnParserWarning(gint64 offset, GMimeParserWarning code, const gchar* item, gpointer data) {
    auto* issues = static_cast<ParseIssues*>(data);
    QString problem;
    switch (code) {
    case GMIME_WARN_TRUNCATED_MESSAGE: problem = QStringLiteral("the archive is truncated"); break;
    case GMIME_WARN_MALFORMED_MULTIPART: problem = QStringLiteral("a multipart section has no parts"); break;
    case GMIME_WARN_MALFORMED_MESSAGE: problem = QStringLiteral("the archive is malformed"); break;
    case GMIME_CRIT_INVALID_HEADER_NAME: problem = QStringLiteral("an invalid header name"); break;
    case GMIME_CRIT_CONFLICTING_HEADER: problem = QStringLiteral("conflicting headers"); break;
    case GMIME_CRIT_CONFLICTING_PARAMETER: problem = QStringLiteral("conflicting header parameters"); break;
    case GMIME_CRIT_MULTIPART_WITHOUT_BOUNDARY: problem = QStringLiteral("a multipart section without boundary"); break;
    case GMIME_CRIT_NESTING_OVERFLOW: problem = QStringLiteral("parts nested too deeply"); break;
    case GMIME_CRIT_PART_WITHOUT_HEADERS_OR_CONTENT: problem = QStringLiteral("a part without headers or content"); break;
    default: return;  // harmless irregularities (duplicated headers, odd encodings)
    }
    if (!issues->first.isEmpty()) return;
    issues->first = QStringLiteral("%1 (at byte %2%3)")
                        .arg(problem)
                        .arg(offset)
                        .arg(item != nullptr ? QStringLiteral(", ") + QString::fromUtf8(item) : QString());
}

QByteArray DecodedBytes(GMimePart* part) {
    GMimeDataWrapper* content = g_mime_part_get_content(part);
    if (content == nullptr) return QByteArray("");
    GMimeStream* memory = g_mime_stream_mem_new();
    g_mime_data_wrapper_write_to_stream(content, memory);
    GByteArray* array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(memory));
    QByteArray bytes(reinterpret_cast<const char*>(array->data), static_cast<qsizetype>(array->len));
    g_object_unref(memory);
    return bytes;
}

QString Text(const char* text) { return text != nullptr ? QString::fromUtf8(text) : QString(); }

struct Walker {
    MhtDocument& document;
    bool foundHtml = false;

    void visit(GMimeObject* object) {
        if (GMIME_IS_MULTIPART(object)) {
            auto* multipart = GMIME_MULTIPART(object);
            const int count = g_mime_multipart_get_count(multipart);
            for (int i = 0; i < count; ++i) visit(g_mime_multipart_get_part(multipart, i));
            return;
        }
        if (!GMIME_IS_PART(object)) return;
        auto* part = GMIME_PART(object);
        const QString location = Text(g_mime_part_get_content_location(part));
        const QString contentId = Text(g_mime_object_get_content_id(object));
        GMimeContentType* type = g_mime_object_get_content_type(object);
        const bool isHtml = type != nullptr && g_mime_content_type_is_type(type, "text", "html");
        if (isHtml && !foundHtml && GMIME_IS_TEXT_PART(object)) {
            // GMime converts from the part's charset to UTF-8.
            char* text = g_mime_text_part_get_text(GMIME_TEXT_PART(object));
            document.html = Text(text);
            // MIME text travels with CR LF; the page is HTML text, so plain line ends will do.
            document.html.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            g_free(text);
            document.htmlLocation = location;
            foundHtml = true;
            return;
        }
        const QByteArray bytes = DecodedBytes(part);
        if (!location.isEmpty()) document.partsByLocation.insert(location, bytes);
        if (!contentId.isEmpty()) document.partsByContentId.insert(contentId, bytes);
    }
};

MhtReadResult ReadBytes(const QByteArray& bytes) {
    InitGMimeOnce();
    MhtReadResult result;
    if (bytes.trimmed().isEmpty()) {
        result.error = QStringLiteral("the archive is empty");
        return result;
    }
    GMimeStream* stream = g_mime_stream_mem_new_with_buffer(bytes.constData(), static_cast<size_t>(bytes.size()));
    GMimeParser* parser = g_mime_parser_new_with_stream(stream);
    g_object_unref(stream);
    GMimeParserOptions* options = g_mime_parser_options_new();
    ParseIssues issues;
    g_mime_parser_options_set_warning_callback(options, OnParserWarning, &issues);
    GMimeMessage* message = g_mime_parser_construct_message(parser, options);
    g_mime_parser_options_free(options);
    g_object_unref(parser);

    if (message == nullptr) {
        result.error = QStringLiteral("not a MIME archive");
        return result;
    }
    GMimeObject* root = g_mime_message_get_mime_part(message);
    Walker walker{result.document};
    if (root != nullptr) walker.visit(root);
    g_object_unref(message);

    if (!issues.first.isEmpty()) {
        result.error = issues.first;
    } else if (!walker.foundHtml) {
        result.error = QStringLiteral("the archive holds no HTML page");
    } else {
        result.ok = true;
    }
    return result;
}

}  // namespace

extern "C" Q_DECL_EXPORT const void* hmquizMimeReader() {
    static const MimeReader reader{sizeof(MimeReader), ReadBytes};
    return &reader;
}
