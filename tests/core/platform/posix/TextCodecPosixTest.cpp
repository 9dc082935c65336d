#include "platform/TextCodec.h"

#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using test::ScopedEnv;

TEST(DecodeLegacy, DefaultsToCp932WhenUnsetOrEmpty) {
    for (const char* value : {static_cast<const char*>(nullptr), ""}) {
        ScopedEnv env("LUMO_ANSI_CODEPAGE", value);
        EXPECT_EQ(LegacyEncodingName(), "CP932");
        EXPECT_EQ(DecodeLegacy("\x95\x5C"), "表");
    }
}

TEST(DecodeLegacy, TakesAnyEncodingTheConverterKnows) {
    ScopedEnv env("LUMO_ANSI_CODEPAGE", "ISO-8859-1");
    EXPECT_EQ(LegacyEncodingName(), "ISO-8859-1");
    EXPECT_EQ(DecodeLegacy("caf\xE9\\"), "café\\");
}

} // namespace
} // namespace lumo
