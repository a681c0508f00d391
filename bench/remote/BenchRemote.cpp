// Content pass of a large City_List02 answer through XmlDataSetParser2, against a bare
// libxml2 event pass with empty callbacks over the same bytes.

#include "remote/XmlDataSetParser2.h"

#include <benchmark/benchmark.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>

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

void noStart(void*, const xmlChar*, const xmlChar**) {}
void noEnd(void*, const xmlChar*) {}
void noChars(void*, const xmlChar*, int) {}
void noError(void*, const char*, ...) {}

// The same parser setup as the project's reader, with callbacks that do nothing.
void BM_BareLibxml2Sax_CityList(benchmark::State& state) {
    const std::string& xml = cityList();
    xmlInitParser();
    xmlSAXHandler handler;
    std::memset(&handler, 0, sizeof handler);
    handler.initialized = 1;
    handler.startElement = noStart;
    handler.endElement = noEnd;
    handler.characters = noChars;
    handler.ignorableWhitespace = noChars;
    handler.cdataBlock = noChars;
    handler.warning = noError;
    handler.error = noError;
    handler.fatalError = noError;
    for (auto _ : state) {
        xmlParserCtxtPtr ctxt = xmlCreateMemoryParserCtxt(xml.data(), static_cast<int>(xml.size()));
        xmlCtxtUseOptions(ctxt, XML_PARSE_NONET | XML_PARSE_HUGE);
        xmlSAXHandlerPtr own = ctxt->sax;
        ctxt->sax = &handler;
        ctxt->userData = nullptr;
        xmlParseDocument(ctxt);
        ctxt->sax = own;
        xmlFreeParserCtxt(ctxt);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(xml.size()));
}
BENCHMARK(BM_BareLibxml2Sax_CityList)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
