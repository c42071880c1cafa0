#include "library/subcomponent.h"

#include "archive/pak_vfs.h"
#include "foundation/paths.h"
#include "library_test_support.h"

namespace kelvo::test {
namespace {

std::string ImageHeader(uint8_t bits, int16_t w, int16_t h) {
  std::string bytes(1, static_cast<char>(bits));
  for (int16_t v : {w, h}) {
    bytes += static_cast<char>(v & 0xFF);
    bytes += static_cast<char>((v >> 8) & 0xFF);
  }
  return bytes;
}

class SubcomponentTest : public LibraryTest {
 protected:
  // Imports data/<name> (made from `bitmap`) at the given depth.
  bool Import(TKelvoSubKomp& sub, const std::string& bitmap, const std::string& mask = "") {
    context.folder.Write("data/pic.bmp", bitmap);
    if (!mask.empty()) context.folder.Write("data/mask.bmp", mask);
    return sub.ImportBitmap(Archive(), "pic.bmp", mask.empty() ? "" : "mask.bmp");
  }
  TKelvoSubKomp Import8(const std::string& bitmap, const std::string& mask = "") {
    TKelvoSubKomp sub;
    sub.Bits = 8;
    EXPECT_TRUE(Import(sub, bitmap, mask));
    return sub;
  }
};

TEST_F(SubcomponentTest, ImageFilesHoldHeaderAndRawPixels) {
  struct Row {
    uint8_t bits;
    size_t size;
  };
  for (const Row row : {Row{8, 5 + 6}, Row{16, 5 + 12}}) {
    TKelvoSubKomp sub;
    sub.Bits = row.bits;
    sub.Width = 3;
    sub.Height = 2;
    for (size_t i = 0; i < row.size - 5; ++i) sub.Pixels.push_back(static_cast<uint8_t>(i + 1));
    const std::string path = DataDir("img\\a.img");
    std::filesystem::create_directories(context.folder.Path() / "data/img");
    sub.SaveImage(path);
    const std::string bytes = context.folder.Read("data/img/a.img");
    ASSERT_EQ(bytes.size(), row.size);
    EXPECT_EQ(bytes.substr(0, 5), ImageHeader(row.bits, 3, 2));
    TKelvoSubKomp loaded;
    loaded.LoadImage(Archive(), "img\\a.img");
    EXPECT_EQ(loaded.Pixels, sub.Pixels);
    EXPECT_EQ(loaded.Bits, row.bits);
    EXPECT_EQ(loaded.Width, 3);
    EXPECT_EQ(loaded.Height, 2);
  }
}

TEST_F(SubcomponentTest, LoadRefusesOversizedShortAndMissingImages) {
  context.folder.Write("data/big.img", ImageHeader(8, 640, 801));
  context.folder.Write("data/max.img", ImageHeader(8, 640, 800) + std::string(512000, '\x07'));
  context.folder.Write("data/short.img", ImageHeader(16, 3, 2) + std::string(11, '\0'));
  context.folder.Write("data/tiny.img", std::string(4, '\x08'));
  context.folder.Write("data/negative.img", ImageHeader(8, -3, -2) + std::string(6, '\0'));
  TKelvoSubKomp sub;
  sub.LoadImage(Archive(), "max.img");
  EXPECT_EQ(sub.Pixels.size(), 512000u);
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.LoadImage(Archive(), "big.img"); }),
            "Picture 4x bigger than size of the window: big.img");
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.LoadImage(Archive(), "short.img"); }),
            "Picture file shorter than its header announces: short.img");
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.LoadImage(Archive(), "tiny.img"); }),
            "Picture file shorter than its header: tiny.img");
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.LoadImage(Archive(), "negative.img"); }),
            "Picture with a negative size: negative.img");
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.LoadImage(Archive(), "gone.img"); }),
            "Cannot load gone.img");
  // Failed loads keep the image loaded before.
  EXPECT_EQ(sub.Width, 640);
  EXPECT_EQ(sub.Pixels.size(), 512000u);
}

TEST_F(SubcomponentTest, LoadRefusesDepthsOtherThan8And16NamingTheFile) {
  TKelvoSubKomp sub;
  context.folder.Write("data/good.img", ImageHeader(8, 1, 1) + "\x05");
  sub.LoadImage(Archive(), "good.img");
  for (const int depth : {0, 1, 7, 9, 15, 17, 24, 32, 255}) {
    context.folder.Write("data/odd.img",
                         ImageHeader(static_cast<uint8_t>(depth), 2, 2) + std::string(8, '\x01'));
    EXPECT_EQ(
        ErrorText<KelvoError>([&] { sub.LoadImage(Archive(), "odd.img"); }),
        "Picture of colour depth " + std::to_string(depth) + " (only 8 and 16 exist): odd.img");
    EXPECT_EQ(sub.Bits, 8);
    EXPECT_EQ(sub.Pixels, std::vector<uint8_t>{5});
  }
}

TEST_F(SubcomponentTest, SavingWithoutPixelsCreatesNoFile) {
  TKelvoSubKomp sub;
  sub.SaveImage(DataDir("none.img"));
  EXPECT_FALSE(context.folder.Exists("data/none.img"));
  sub.Width = 2;
  sub.Height = 2;
  sub.Bits = 8;
  sub.Pixels = {1, 2, 3};
  EXPECT_NE(ErrorText<KelvoError>([&] { sub.SaveImage(DataDir("odd.img")); }), "");
  EXPECT_FALSE(context.folder.Exists("data/odd.img"));
  sub.Pixels.push_back(4);
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.SaveImage(DataDir("no\\such\\dir\\x.img")); }),
            "Failed to create " + ToOsForm(DataDir("no\\such\\dir\\x.img")));
}

TEST_F(SubcomponentTest, ImportCropsToVisiblePixelsAroundTheCentre) {
  const TKelvoSubKomp sub = Import8(MakeBitmap(100, 60, [](int x, int y) {
    return (x >= 10 && x <= 19 && y >= 5 && y <= 9) ? Rgb{128, 128, 128} : kKeyGreen;
  }));
  EXPECT_EQ(sub.Width, 10);
  EXPECT_EQ(sub.Height, 5);
  EXPECT_EQ(sub.X, -40);
  EXPECT_EQ(sub.Y, -25);
  EXPECT_EQ(sub.Pixels, std::vector<uint8_t>(50, 32));
}

TEST_F(SubcomponentTest, ImportReadsPaddedRowsBottomUp) {
  // Width 3: rows of 9 pixel bytes and 3 of padding.
  const std::string bitmap = MakeBitmap(3, 2, [](int x, int y) {
    return Rgb{static_cast<uint8_t>(8 * (x + 1)), static_cast<uint8_t>(4 * (y + 1)), 8};
  });
  ASSERT_EQ(bitmap.size(), 54u + 2 * 12);
  TKelvoSubKomp sub;
  sub.Bits = 16;
  sub.X = 7;
  ASSERT_TRUE(Import(sub, bitmap));
  EXPECT_EQ(sub.Width, 3);
  EXPECT_EQ(sub.Height, 2);
  EXPECT_EQ(sub.X, 7);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(sub.Pixel16(x, y), ((x + 1) << 11) | ((y + 1) << 5) | 1) << x << "," << y;
    }
  }
}

TEST_F(SubcomponentTest, ImportPacks565) {
  const Rgb colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}, {7, 3, 7}};
  const uint16_t words[] = {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0000};
  TKelvoSubKomp sub;
  sub.Bits = 16;
  ASSERT_TRUE(Import(sub, MakeBitmap(5, 1, [&](int x, int) { return colours[x]; })));
  for (int x = 0; x < 5; ++x) EXPECT_EQ(sub.Pixel16(x, 0), words[x]) << x;
}

TEST_F(SubcomponentTest, ImportLevelsAndMaskSlots) {
  struct Row {
    Rgb pixel;
    Rgb mask;
    uint8_t value;
  };
  const Rgb white{255, 255, 255}, black{0, 0, 0}, red{255, 0, 0};
  const Row rows[] = {
      {white, white, 191},                // slot 3
      {white, {255, 0, 255}, 127},        // magenta: slot 2
      {white, {0, 0, 255}, 255},          // blue: slot 4
      {white, red, 63},                   // red matches no mask colour: slot 1
      {white, {240, 15, 240}, 127},       // the limits of high and low
      {white, {239, 0, 255}, 63},         // red neither high nor low: slot 1
      {black, white, 64},                 // black is slot 2 level 0 whatever the mask
      {{0, 250, 16}, black, 37},          // blue above the key's limit: visible
      {{128, 128, 128}, black, 32},       // 31.62 rounds up
      {{1, 1, 1}, {0, 0, 255}, 64},       // level 0.247 rounds to 0
      {{3, 3, 3}, {0, 0, 255}, 1 + 192},  // level 0.741 rounds to 1
  };
  const int n = static_cast<int>(std::size(rows));
  const TKelvoSubKomp sub = Import8(MakeBitmap(n, 1, [&](int x, int) { return rows[x].pixel; }),
                                    MakeBitmap(n, 1, [&](int x, int) { return rows[x].mask; }));
  ASSERT_EQ(sub.Width, n);
  for (int x = 0; x < n; ++x) EXPECT_EQ(sub.Pixel8(x, 0), rows[x].value) << "row " << x;
}

TEST_F(SubcomponentTest, GreenKeyBoundary) {
  // Red 0, green 250: blue 10 is transparent, blue 16 is not.
  const TKelvoSubKomp sub = Import8(MakeBitmap(4, 1, [](int x, int) {
    return x == 2 ? Rgb{0, 250, 16} : Rgb{0, 250, 10};
  }));
  EXPECT_EQ(sub.Width, 1);
  EXPECT_EQ(sub.X, -2 + 2);
}

TEST_F(SubcomponentTest, InvisibleBitmapGivesFalseAndKeepsThePixels) {
  TKelvoSubKomp sub;
  sub.Bits = 8;
  sub.Width = 1;
  sub.Height = 1;
  sub.Pixels = {9};
  EXPECT_FALSE(Import(sub, MakeBitmap(7, 5, [](int, int) { return kKeyGreen; })));
  EXPECT_EQ(sub.Pixels, std::vector<uint8_t>{9});
  EXPECT_EQ(sub.Width, 1);
  EXPECT_EQ(sub.X, -3);
  EXPECT_EQ(sub.Y, -2);
}

TEST_F(SubcomponentTest, ImportRefusesBadFilesNamingThem) {
  const std::string good = MakeBitmap(4, 3, [](int, int) { return Rgb{9, 9, 9}; });
  std::string eightBit = good;
  eightBit[28] = 8;
  std::string compressed = good;
  compressed[30] = 1;
  std::string topDown = good;
  topDown[25] = '\xFF';  // negative height
  std::string core = good;
  core[14] = 12;
  struct Row {
    std::string bytes;
    std::string text;
  };
  const Row rows[] = {
      {eightBit, "Not an uncompressed bottom-up 24-bit bitmap: pic.bmp"},
      {compressed, "Not an uncompressed bottom-up 24-bit bitmap: pic.bmp"},
      {topDown, "Not an uncompressed bottom-up 24-bit bitmap: pic.bmp"},
      {core, "Not an uncompressed bottom-up 24-bit bitmap: pic.bmp"},
      {good.substr(0, 40), "Bitmap file too short: pic.bmp"},
      {good.substr(0, good.size() - 1), "Bitmap file shorter than its header announces: pic.bmp"},
  };
  for (const Row& row : rows) {
    TKelvoSubKomp sub;
    sub.Bits = 8;
    EXPECT_EQ(ErrorText<KelvoError>([&] { Import(sub, row.bytes); }), row.text);
    EXPECT_FALSE(sub.HasPixels());
  }
  TKelvoSubKomp sub;
  sub.Bits = 8;
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.ImportBitmap(Archive(), "gone.bmp", ""); }),
            "Failed to open gone.bmp");
  context.folder.Write("data/pic.bmp", good);
  EXPECT_EQ(ErrorText<KelvoError>([&] { sub.ImportBitmap(Archive(), "pic.bmp", "gone.bmp"); }),
            "Failed to open gone.bmp");
}

TEST_F(SubcomponentTest, RejectedBitmapsLeaveNoFileOpen) {
  const std::string good = MakeBitmap(4, 3, [](int, int) { return Rgb{9, 9, 9}; });
  std::string eightBit = good;
  eightBit[28] = 8;
  std::string huge = good;
  huge[19] = '\x80';  // width 32772
  const std::string rejected[] = {good.substr(0, 20), eightBit, huge,
                                  good.substr(0, good.size() - 1)};
  for (size_t i = 0; i < std::size(rejected); ++i) {
    context.folder.Write("data/bad" + std::to_string(i) + ".bmp", rejected[i]);
  }
  context.folder.Write("data/good.bmp", good);
  TKelvoSubKomp sub;
  sub.Bits = 8;
  int failures = 0;
  for (int n = 0; n < 10000; ++n) {
    const std::string bad = "bad" + std::to_string(n % std::size(rejected)) + ".bmp";
    // Every other try sends the rejected file in as the colour mask of a good bitmap.
    const bool asMask = n % 2 == 1;
    try {
      sub.ImportBitmap(Archive(), asMask ? "good.bmp" : bad, asMask ? bad : "");
    } catch (const KelvoError&) {
      ++failures;
    }
  }
  EXPECT_EQ(failures, 10000);
  EXPECT_EQ(Archive().Files().OpenCount(), 0u);
  EXPECT_TRUE(Archive().OpenNames().empty());
}

TEST_F(SubcomponentTest, MaskOfAnotherSizeIsAFatalDataError) {
  TKelvoSubKomp sub;
  sub.Bits = 8;
  const auto grey = [](int, int) { return Rgb{99, 99, 99}; };
  EXPECT_EQ(ErrorText<FatalDataError>(
                [&] { Import(sub, MakeBitmap(4, 3, grey), MakeBitmap(4, 2, grey)); }),
            "velikost barevn\xE9 masky nesouhlas\xED");
  // Depth 16 never reads the mask.
  sub.Bits = 16;
  EXPECT_TRUE(Import(sub, MakeBitmap(4, 3, grey), MakeBitmap(4, 2, grey)));
}

}  // namespace
}  // namespace kelvo::test

namespace kelvo::test {
namespace {

// The opaque flag decides whether a 16-bit image is copied without its key: one keyed pixel
// anywhere, in the vector body or the tail, must clear it.
TEST(SubcomponentOpaque, OneKeyedPixelAnywhereMakesTheImageKeyed) {
  for (int16_t width : {1, 7, 8, 9, 31, 320}) {
    const int16_t height = 3;
    TKelvoSubKomp sub;
    sub.Bits = 16;
    sub.Width = width;
    sub.Height = height;
    const size_t words = static_cast<size_t>(width) * height;
    sub.Pixels.assign(2 * words, 0x11);
    sub.UpdateOpaque();
    EXPECT_TRUE(sub.Opaque) << width;
    for (size_t at : {size_t{0}, words / 2, words - 1}) {
      sub.Pixels.assign(2 * words, 0x11);
      sub.Pixels[2 * at] = kTransparentKey & 0xFF;
      sub.Pixels[2 * at + 1] = kTransparentKey >> 8;
      sub.UpdateOpaque();
      EXPECT_FALSE(sub.Opaque) << width << " at " << at;
      // The key's bytes straddling two pixels are no keyed pixel.
      if (at + 1 < words) {
        sub.Pixels.assign(2 * words, 0x11);
        sub.Pixels[2 * at + 1] = kTransparentKey & 0xFF;
        sub.Pixels[2 * at + 2] = kTransparentKey >> 8;
        sub.UpdateOpaque();
        EXPECT_TRUE(sub.Opaque) << width << " straddling " << at;
      }
    }
  }
}

}  // namespace
}  // namespace kelvo::test
