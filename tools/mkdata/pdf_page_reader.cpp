#include "pdf_page_reader.h"

#include <Catalog.h>
#include <GlobalParams.h>
#include <PDFDoc.h>
#include <Stream.h>
#include <TextOutputDev.h>

#include <cassert>

namespace {

void appendText(void* text, const char* bytes, int length) {
  static_cast<std::string*>(text)->append(bytes, static_cast<std::size_t>(length));
}

// A word's characters, when each is one UTF-8 can carry: a word with a
// code that is no character (a surrogate, one beyond U+10FFFF, NUL) is
// left out whole, as its UTF-8 would be refused.
bool charactersOf(const TextWord& word, std::u32string& text) {
  text.clear();
  for (int i = 0; i < word.getLength(); ++i) {
    const Unicode c = *word.getChar(i);
    if (c == 0 || (c >= 0xD800 && c < 0xE000) || c >= 0x110000) return false;
    text += static_cast<char32_t>(c);
  }
  return true;
}

// The boxes' heights, not their fonts' sizes: the heights tell the type's
// size as well, and cost nothing more to read. The words' buffers serve
// one page after the other.
void readWords(TextOutputDev& device, std::vector<PdfStyledWord>& words) {
  const std::unique_ptr<TextWordList> list = device.makeWordList();
  std::size_t count = 0;
  for (int i = 0; list && i < list->getLength(); ++i) {
    const TextWord& word = *list->get(i);
    if (count == words.size()) words.emplace_back();
    PdfStyledWord& styled = words[count];
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    word.getBBox(&xMin, &yMin, &xMax, &yMax);
    styled.size = yMax - yMin;
    styled.top = yMin;
    if (charactersOf(word, styled.text)) ++count;
  }
  words.resize(count);
}

}  // namespace

PdfPageReader::PdfPageReader(const std::string& bytes) {
  assert(globalParams);
  // The stream only points into the bytes.
  document_ = std::make_unique<PDFDoc>(new MemStream(bytes.data(), 0, static_cast<Goffset>(bytes.size()), Object(objNull)));
  if (document_->isOk()) pageCount_ = document_->getNumPages();
}

PdfPageReader::~PdfPageReader() = default;

bool PdfPageReader::read(int index, std::string& text, std::vector<PdfStyledWord>& words) {
  assert(index >= 0);
  text.clear();
  if (index >= pageCount_ || document_->getCatalog()->getPage(index + 1) == nullptr) return words.clear(), false;
  // In the order the text was set, as at 72 dpi unrotated within the crop
  // box: what the bindings' raw-order text reads.
  TextOutputDev device(appendText, &text, false, 0, true, false);
  document_->displayPage(&device, index + 1, 72, 72, 0, false, true, false);
  readWords(device, words);
  return true;
}
