#include "viewer/xdg/exec_line.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool isQuotedEscape(char c) { return c == '"' || c == '`' || c == '$' || c == '\\'; }

// One quoted stretch from its opening quote; the index after its closing
// one, or npos when it is never closed.
std::size_t takeQuoted(std::string_view exec, std::size_t at, std::string& word) {
  for (++at; at < exec.size(); ++at) {
    if (exec[at] == '"') return at + 1;
    bool escape = exec[at] == '\\' && at + 1 < exec.size() && isQuotedEscape(exec[at + 1]);
    word += exec[escape ? ++at : at];
  }
  return std::string_view::npos;
}

bool isDeprecated(char code) { return std::string_view("dDnNvm").find(code) != std::string_view::npos; }

bool isDocumentCode(char code) { return std::string_view("fFuU").find(code) != std::string_view::npos; }

// One field code within a word; false for a code the rules do not know.
bool putField(char code, const ExecFields& fields, std::string& out, bool& hadDocument) {
  if (code == '%') out += '%';
  else if (code == 'c') out += fields.name;
  else if (code == 'k') out += fields.desktopFile;
  else if (!isDocumentCode(code)) return isDeprecated(code);
  else out += fields.document;
  hadDocument |= isDocumentCode(code);
  return true;
}

// One word with its codes put in; "keep" is false for a word that only
// held deprecated codes.
bool expandWord(const std::string& word, const ExecFields& fields, std::string& out, bool& hadDocument,
                bool& keep) {
  keep = word.empty();
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%') {
      out += word[i];
      keep = true;
      continue;
    }
    if (i + 1 == word.size() || !putField(word[++i], fields, out, hadDocument)) return false;
    keep |= !isDeprecated(word[i]);
  }
  return true;
}

// One word up to the next blank outside quotes; the index after it, or
// npos for an unclosed quote. Outside quotes a backslash takes the next
// character as itself.
std::size_t takeWord(std::string_view exec, std::size_t at, std::string& word) {
  while (at < exec.size() && !isBlank(exec[at])) {
    if (exec[at] == '"') {
      at = takeQuoted(exec, at, word);
      if (at == std::string_view::npos) return at;
      continue;
    }
    if (exec[at] == '\\' && at + 1 < exec.size()) ++at;
    word += exec[at++];
  }
  return at;
}

// %i is a pair of words, or none without an icon.
void putIcon(const ExecFields& fields, std::vector<std::string>& argv) {
  if (fields.icon.empty()) return;
  argv.push_back("--icon");
  argv.push_back(fields.icon);
}

}  // namespace

bool execWords(std::string_view exec, std::vector<std::string>& words) {
  words.clear();
  for (std::size_t at = 0; at < exec.size();) {
    if (isBlank(exec[at])) {
      ++at;
      continue;
    }
    std::string word;
    at = takeWord(exec, at, word);
    if (at == std::string_view::npos) return false;
    words.push_back(word);
  }
  return true;
}

bool expandFieldCodes(const std::vector<std::string>& words, const ExecFields& fields,
                      std::vector<std::string>& argv, std::size_t& documentAt) {
  argv.clear();
  documentAt = std::string::npos;
  for (const std::string& word : words) {
    if (word == "%i") {
      putIcon(fields, argv);
      continue;
    }
    std::string out;
    bool hadDocument = false, keep = false;
    if (!expandWord(word, fields, out, hadDocument, keep)) return false;
    if (hadDocument && documentAt == std::string::npos) documentAt = argv.size();
    if (keep) argv.push_back(out);
  }
  if (documentAt == std::string::npos) {
    documentAt = argv.size();
    argv.push_back(fields.document);
  }
  return documentAt > 0;
}
