#include "tests/e2e/harness/temp_dir.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace veskaro::e2e {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "veskaro-e2e-XXXXXX");
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot make a temporary folder from " + pattern);
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace veskaro::e2e
