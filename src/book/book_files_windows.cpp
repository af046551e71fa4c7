// The book's files where paths are UTF-16: the executable's own module
// name, the checksum through the system's CNG.
#include "book/book_files.h"

#include <windows.h>
#include <bcrypt.h>

#include <memory>

namespace {

std::wstring wideOf(const std::string& utf8) {
  int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(count), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), count);
  return wide;
}

std::string utf8Of(const std::wstring& wide) {
  int count = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), count, nullptr, nullptr);
  return utf8;
}

// Feeds the file to the hash; false on a read error.
bool hashFile(HANDLE file, BCRYPT_HASH_HANDLE hash) {
  static unsigned char block[1 << 16];
  DWORD got = 0;
  while (ReadFile(file, block, sizeof block, &got, nullptr)) {
    if (got == 0) return true;
    if (BCryptHashData(hash, block, got, 0) != 0) return false;
  }
  return false;
}

}  // namespace

std::string programDirectory() {
  wchar_t path[32768];
  DWORD length = GetModuleFileNameW(nullptr, path, sizeof path / sizeof path[0]);
  if (length == 0 || length == sizeof path / sizeof path[0]) return "";
  std::wstring executable(path, length);
  return utf8Of(executable.substr(0, executable.find_last_of(L"\\/")));
}

std::string pathIn(const std::string& directory, const std::string& fileName) {
  if (directory.empty() || directory.back() == '\\' || directory.back() == '/') return directory + fileName;
  return directory + "\\" + fileName;
}

bool isRegularFile(const std::string& path) {
  DWORD attributes = GetFileAttributesW(wideOf(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool sha256OfFile(const std::string& path, unsigned char (&digest)[sha256Size]) {
  std::unique_ptr<void, BOOL(WINAPI*)(HANDLE)> file(
      CreateFileW(wideOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr),
      CloseHandle);
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return false;
  }
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;
  bool done = BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0) == 0 &&
              BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0) == 0 &&
              hashFile(file.get(), hash) && BCryptFinishHash(hash, digest, sha256Size, 0) == 0;
  if (hash != nullptr) BCryptDestroyHash(hash);
  if (algorithm != nullptr) BCryptCloseAlgorithmProvider(algorithm, 0);
  return done;
}
