// A test over each bundled data set built beside the programs, loaded with its images.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "library/type_library.h"
#include "support/test_support.h"

namespace kelvo::test {

// The parameter is the data set's name ("male", "female", "ape").
class BundledLibraryTest : public ::testing::TestWithParam<std::string> {
 protected:
  BundledLibraryTest() : context(std::string(KELVO_PROGRAM_DIR) + "/kelvoed/data_big") {}
  void SetUp() override {
    library = std::make_unique<TKelvoTyp>(context->Archive(), GetParam());
    library->LoadAll();
    library->LoadImages();
  }
  TestContext context;
  std::unique_ptr<TKelvoTyp> library;
};

}  // namespace kelvo::test
