// The one reading of a page: its text is what poppler's raw-order text of
// the page gives (the call it stands in for), and its words are that text's
// words, from the same reading.
#include <gtest/gtest.h>

#include <poppler-document.h>
#include <poppler-page.h>

#include <memory>

#include "hostile_pdf.h"
#include "pdf_maker.h"
#include "pdf_page_reader.h"
#include "text_codec.h"
#include "tool_runner.h"

namespace {

std::string bindingsText(const poppler::document& document, int index) {
  const std::unique_ptr<poppler::page> page(document.create_page(index));
  const poppler::byte_array utf8 = page->text(poppler::rectf(), poppler::page::raw_order_layout).to_utf8();
  return {utf8.begin(), utf8.end()};
}

std::string withoutBlanks(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\n' && c != '\f') kept += c;
  }
  return kept;
}

void expectOneReading(const std::string& name, const std::string& bytes) {
  const std::unique_ptr<poppler::document> document(
      poppler::document::load_from_raw_data(bytes.data(), static_cast<int>(bytes.size())));
  ASSERT_TRUE(document) << name;
  PdfPageReader reader(bytes);
  std::string text;
  std::vector<PdfStyledWord> words;
  for (int i = 0; i < document->pages(); ++i) {
    ASSERT_TRUE(reader.read(i, text, words)) << name << " page " << i + 1;
    EXPECT_EQ(text, bindingsText(*document, i)) << name << " page " << i + 1;
    std::string joined;
    for (const PdfStyledWord& word : words) joined += encodeUtf8(word.text);
    EXPECT_EQ(joined, withoutBlanks(text)) << name << " page " << i + 1;
  }
}

TEST(PdfPageReader, GivesTheBindingsRawTextAndItsWordsInOneReading) {
  ScratchDir scratch;
  writePdf(scratch.path("buch.pdf"), smallBook());
  expectOneReading("small book", readFile(scratch.path("buch.pdf")));
  for (const HostilePdf& pdf : hostilePdfs()) {
    const std::string name = pdf.name;
    if (name == "page-text-huge" || name == "content-broken" || name == "labels-prefix") expectOneReading(name, pdf.bytes());
  }
}

}  // namespace
