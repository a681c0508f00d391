#include "remote/SaxReader.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlversion.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <mutex>
#include <string>

// The reader uses only libxml2's public interface: SAX2 callbacks, structured errors and
// the consumed-bytes count. It is tested with 2.9.14; older releases lack parts of it.
#if LIBXML_VERSION < 20914
#error "tamberlinove needs libxml2 2.9.14 or newer (the XML answer reader is tested from there)"
#endif

namespace remote {
namespace {

// State of one parse.
struct Reader {
    std::string_view input;
    std::size_t offset = 0; // read position of the input callback
    xmlParserCtxtPtr ctxt = nullptr;
    SaxHandler* handler = nullptr;
    bool failed = false;     // a fatal error: later events do not count
    std::size_t nextAmp = 0; // the first '&' of the input not known to be consumed
    std::string name;        // an element name as written
};

int readInput(void* context, char* buffer, int len) {
    auto& r = *static_cast<Reader*>(context);
    const std::size_t n =
        std::min(static_cast<std::size_t>(std::max(len, 0)), r.input.size() - r.offset);
    std::memcpy(buffer, r.input.data() + r.offset, n);
    r.offset += n;
    return static_cast<int>(n);
}

std::string_view view(const xmlChar* chars, int len) {
    return std::string_view(reinterpret_cast<const char*>(chars), static_cast<size_t>(len));
}

// Bytes of the UTF-8 character that starts with `lead`.
std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    return 4;
}

bool isRefNameChar(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#' ||
           c == '_' || c == '-' || c == '.' || c == ':';
}

// True when the input up to `end` finishes with a complete reference "&name;" or "&#...;".
bool endsInReference(std::string_view input, std::size_t end) {
    if (end < 3 || end > input.size() || input[end - 1] != ';')
        return false;
    std::size_t p = end - 1;
    while (p > 0 && isRefNameChar(static_cast<unsigned char>(input[p - 1])))
        --p;
    return p > 0 && input[p - 1] == '&' && p < end - 1;
}

// libxml2 hands the replacement of a reference (one character) as a piece of its own, right
// after consuming the reference. Text cannot contain '&', so a one-character piece reported
// where the consumed input has just passed an '&' and ends in a complete reference is that
// reference. Each '&' counts once: text that follows a reference is reported before its
// own bytes count as consumed, when the consumed input still ends in that reference.
bool isReference(Reader& r, const xmlChar* chars, int len) {
    if (len < 1 || len > 4 || utf8Length(chars[0]) != static_cast<std::size_t>(len))
        return false;
    // Until libxml2 has read past the next '&' there is nothing to look for. This spares
    // the count, which is not cheap for a document in another encoding.
    if (r.nextAmp == std::string_view::npos || r.offset <= r.nextAmp)
        return false;
    const long consumed = xmlByteConsumed(r.ctxt);
    if (consumed <= 0 || static_cast<std::size_t>(consumed) <= r.nextAmp)
        return false;
    const auto end = static_cast<std::size_t>(consumed);
    r.nextAmp = r.input.find('&', end);
    return endsInReference(r.input, end);
}

// After a fatal error libxml2 keeps scanning with events disabled, yet its fast path for
// plain text still calls back; such text must not count. The parse is stopped from the
// next event (stopping it from inside the error report is not safe).
bool stopped(const Reader& r) {
    if (!r.failed)
        return false;
    xmlStopParser(r.ctxt);
    return true;
}

void onCharacters(void* user, const xmlChar* chars, int len) {
    auto& r = *static_cast<Reader*>(user);
    if (len > 0 && !stopped(r))
        r.handler->characters(view(chars, len), isReference(r, chars, len));
}

void onCdata(void* user, const xmlChar* chars, int len) {
    auto& r = *static_cast<Reader*>(user);
    if (len > 0 && !stopped(r))
        r.handler->characters(view(chars, len), false);
}

// Names as written: the prefix, if any, and the local name.
std::string_view nameOf(Reader& r, const xmlChar* localname, const xmlChar* prefix) {
    const char* local = reinterpret_cast<const char*>(localname);
    if (prefix == nullptr)
        return local;
    r.name.assign(reinterpret_cast<const char*>(prefix));
    r.name.push_back(':');
    r.name.append(local);
    return r.name;
}

void onStart(void* user, const xmlChar* localname, const xmlChar* prefix, const xmlChar*, int,
             const xmlChar**, int, int, const xmlChar**) {
    auto& r = *static_cast<Reader*>(user);
    if (!stopped(r))
        r.handler->startElement(nameOf(r, localname, prefix));
}

void onEnd(void* user, const xmlChar* localname, const xmlChar* prefix, const xmlChar*) {
    auto& r = *static_cast<Reader*>(user);
    if (!stopped(r))
        r.handler->endElement(nameOf(r, localname, prefix));
}

// The structured error callback takes a const error from libxml2 2.12 on.
#if LIBXML_VERSION >= 21200
using ErrorArgument = const xmlError*;
#else
using ErrorArgument = xmlError*;
#endif

// Errors are not reported anywhere: the caller keeps what was read before them. Namespace
// errors and warnings do not end the document; fatal ones do.
void onError(void* user, ErrorArgument error) {
    if (error != nullptr && error->level == XML_ERR_FATAL)
        static_cast<Reader*>(user)->failed = true;
}

xmlSAXHandler makeHandler() {
    xmlSAXHandler h;
    std::memset(&h, 0, sizeof h);
    h.initialized = XML_SAX2_MAGIC;
    h.startElementNs = onStart;
    h.endElementNs = onEnd;
    h.characters = onCharacters;
    // Same callback, so whitespace between elements is character data like any other.
    h.ignorableWhitespace = onCharacters;
    h.cdataBlock = onCdata;
    h.serror = onError;
    return h;
}

xmlSAXHandler handlerTemplate = makeHandler();

} // namespace

bool readXml(std::string_view bytes, SaxHandler& handler) {
    static std::once_flag init;
    std::call_once(init, [] { xmlInitParser(); });

    if (auto nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return false;

    Reader reader;
    reader.input = bytes;
    reader.nextAmp = bytes.find('&');
    reader.handler = &handler;
    // The context takes its own copy of the handler and reads the bytes through the
    // callback; the encoding is detected from the document.
    xmlParserCtxtPtr ctxt = xmlCreateIOParserCtxt(&handlerTemplate, &reader, readInput, nullptr,
                                                  &reader, XML_CHAR_ENCODING_NONE);
    if (ctxt == nullptr)
        return false;
    reader.ctxt = ctxt;
    // No entity replacement, no DTD loading or validation, no network; no size limits.
    xmlCtxtUseOptions(ctxt, XML_PARSE_NONET | XML_PARSE_HUGE);
    const bool ok = xmlParseDocument(ctxt) == 0 && !reader.failed;
    // A reset frees the stand-in document in which libxml2 keeps entity declarations
    // even without a tree.
    xmlCtxtReset(ctxt);
    xmlFreeParserCtxt(ctxt);
    return ok;
}

} // namespace remote
