// Content pass of a large City_List02 answer through XmlDataSetParser2, against a bare
// libxml2 event pass with empty callbacks over the same bytes.

#include "remote/XmlDataSetParser2.h"

#include <benchmark/benchmark.h>
#include <libxml/parser.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

const std::string& cityList() {
    static const std::string xml = [] {
        const char* kor[] = {"서울", "부산광역시", "제주특별자치도 서귀포시", "도쿄", "뉴욕"};
        const char* eng[] = {"Seoul", "Busan", "Seogwipo", "Tokyo", "New York"};
        std::string out = "<NewDataSet>\n";
        for (int i = 0; i < 10000; ++i) {
            out += "  <Table1>\n    <cityCode>C";
            out += std::to_string(i);
            out += "</cityCode>\n    <cityEng>";
            out += eng[i % 5];
            out += "</cityEng>\n    <cityKor>";
            out += kor[i % 5];
            out += "</cityKor>\n    <cityFlag>";
            out += std::to_string(i % 4);
            out += "</cityFlag>\n    <NationCode>KR</NationCode>\n  </Table1>\n";
        }
        out += "</NewDataSet>";
        return out;
    }();
    return xml;
}

void BM_XmlDataSetParser2_CityList(benchmark::State& state) {
    const std::string& xml = cityList();
    for (auto _ : state) {
        remote::XmlDataSetParser2 parser("Table1");
        parser.parse(xml);
        if (parser.mXMLDataList().size() != 10000)
            state.SkipWithError("wrong row count");
        benchmark::DoNotOptimize(parser.mXMLDataList().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(xml.size()));
}
BENCHMARK(BM_XmlDataSetParser2_CityList)->Unit(benchmark::kMillisecond);

void noStart(void*, const xmlChar*, const xmlChar*, const xmlChar*, int, const xmlChar**, int, int,
             const xmlChar**) {}
void noEnd(void*, const xmlChar*, const xmlChar*, const xmlChar*) {}
void noChars(void*, const xmlChar*, int) {}
#if LIBXML_VERSION >= 21200
void noError(void*, const xmlError*) {}
#else
void noError(void*, xmlError*) {}
#endif

struct Input {
    const std::string& bytes;
    std::size_t offset = 0;
};

int readInput(void* context, char* buffer, int len) {
    auto& in = *static_cast<Input*>(context);
    const std::size_t n = std::min(static_cast<std::size_t>(len), in.bytes.size() - in.offset);
    std::memcpy(buffer, in.bytes.data() + in.offset, n);
    in.offset += n;
    return static_cast<int>(n);
}

// The same parser setup as the project's reader (SAX2 callbacks, input read through a
// callback, the same options), with callbacks that do nothing.
void BM_BareLibxml2Sax_CityList(benchmark::State& state) {
    const std::string& xml = cityList();
    xmlInitParser();
    xmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = noStart;
    handler.endElementNs = noEnd;
    handler.characters = noChars;
    handler.ignorableWhitespace = noChars;
    handler.cdataBlock = noChars;
    handler.serror = noError;
    for (auto _ : state) {
        Input input{xml};
        xmlParserCtxtPtr ctxt = xmlCreateIOParserCtxt(&handler, &input, readInput, nullptr, &input,
                                                      XML_CHAR_ENCODING_NONE);
        xmlCtxtUseOptions(ctxt, XML_PARSE_NONET | XML_PARSE_HUGE);
        xmlParseDocument(ctxt);
        xmlCtxtReset(ctxt);
        xmlFreeParserCtxt(ctxt);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(xml.size()));
}
BENCHMARK(BM_BareLibxml2Sax_CityList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
