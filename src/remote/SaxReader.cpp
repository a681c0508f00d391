#include "remote/SaxReader.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <climits>
#include <cstring>
#include <mutex>
#include <string_view>

namespace remote {
namespace {

// State of one parse: the libxml2 context (to tell references from text) and the handler.
struct Reader {
    xmlParserCtxtPtr ctxt = nullptr;
    SaxHandler* handler = nullptr;
};

std::string_view view(const xmlChar* chars, int len) {
    return std::string_view(reinterpret_cast<const char*>(chars), static_cast<size_t>(len));
}

bool isRefNameChar(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '#' ||
           c == '_' || c == '-' || c == '.' || c == ':';
}

// libxml2 hands text either in place (a pointer into its input) or from a side buffer, and
// a reference's replacement always from a side buffer, just after consuming "&...;". Text
// cannot contain '&', so a chunk from outside the input whose consumed bytes end in a
// complete reference is that reference.
bool isReference(const Reader& r, const xmlChar* chunk) {
    const xmlParserInputPtr in = r.ctxt->input;
    if (in == nullptr || in->cur == nullptr || in->base == nullptr)
        return false;
    if (chunk >= in->base && chunk < in->end)
        return false;
    const xmlChar* p = in->cur;
    if (p <= in->base || p[-1] != ';')
        return false;
    --p;
    while (p > in->base && isRefNameChar(p[-1]))
        --p;
    return p > in->base && p[-1] == '&' && p != in->cur - 1;
}

// After a fatal error libxml2 keeps scanning with events disabled, yet its fast path for
// plain text still calls back; such text must not count.
bool stopped(const Reader& r) {
    if (r.ctxt->disableSAX == 0)
        return false;
    xmlStopParser(r.ctxt);
    return true;
}

void onCharacters(void* user, const xmlChar* chars, int len) {
    auto& r = *static_cast<Reader*>(user);
    if (len > 0 && !stopped(r))
        r.handler->characters(view(chars, len), isReference(r, chars));
}

void onCdata(void* user, const xmlChar* chars, int len) {
    auto& r = *static_cast<Reader*>(user);
    if (len > 0 && !stopped(r))
        r.handler->characters(view(chars, len), false);
}

void onStart(void* user, const xmlChar* name, const xmlChar**) {
    auto& r = *static_cast<Reader*>(user);
    if (stopped(r))
        return;
    r.handler->startElement(reinterpret_cast<const char*>(name));
}

void onEnd(void* user, const xmlChar* name) {
    auto& r = *static_cast<Reader*>(user);
    if (stopped(r))
        return;
    r.handler->endElement(reinterpret_cast<const char*>(name));
}

// Errors are not reported anywhere: the caller keeps what was read before them.
void onError(void*, const char*, ...) {}

xmlSAXHandler makeHandler() {
    xmlSAXHandler h;
    std::memset(&h, 0, sizeof h);
    // A first-version handler: libxml2 then parses without namespace processing and
    // reports element names as written.
    h.initialized = 1;
    h.startElement = onStart;
    h.endElement = onEnd;
    h.characters = onCharacters;
    // Same callback, so whitespace between elements is character data like any other.
    h.ignorableWhitespace = onCharacters;
    h.cdataBlock = onCdata;
    h.warning = onError;
    h.error = onError;
    h.fatalError = onError;
    return h;
}

const xmlSAXHandler handlerTemplate = makeHandler();

} // namespace

bool readXml(std::string_view bytes, SaxHandler& handler) {
    static std::once_flag init;
    std::call_once(init, [] { xmlInitParser(); });

    if (auto nul = bytes.find('\0'); nul != std::string_view::npos)
        bytes = bytes.substr(0, nul);
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX))
        return false;

    Reader reader;
    reader.handler = &handler;
    xmlParserCtxtPtr ctxt = xmlCreateMemoryParserCtxt(bytes.data(), static_cast<int>(bytes.size()));
    if (ctxt == nullptr)
        return false;
    reader.ctxt = ctxt;
    xmlCtxtUseOptions(ctxt, XML_PARSE_NONET | XML_PARSE_HUGE);
    ctxt->replaceEntities = 0;
    ctxt->loadsubset = 0;
    ctxt->validate = 0;
    // The handler is swapped in for the parse and out again before the context is freed,
    // which would otherwise free it.
    xmlSAXHandler sax = handlerTemplate;
    xmlSAXHandlerPtr own = ctxt->sax;
    ctxt->sax = &sax;
    ctxt->userData = &reader;
    xmlParseDocument(ctxt);
    ctxt->sax = own;
    const bool ok = ctxt->wellFormed != 0;
    // libxml2 keeps entity declarations in a stand-in document even without a tree.
    if (ctxt->myDoc != nullptr) {
        xmlFreeDoc(ctxt->myDoc);
        ctxt->myDoc = nullptr;
    }
    xmlFreeParserCtxt(ctxt);
    return ok;
}

} // namespace remote
