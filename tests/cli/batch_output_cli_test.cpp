// The tool's outputs for pipelines, run on the tiny library: seeds, transparent renders, JSON
// summaries and gallery thumbnails.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_test_support.h"
#include "cli/json_output.h"
#include "cli/tiny_library.h"

#include <QByteArray>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace kelvo::cli {
namespace {

// Names in the library files are Windows-1250; the JSON carries them as UTF-8.
TEST(JsonOutput, Windows1250NamesBecomeUtf8) {
  const struct {
    std::string ansi, utf8;
  } rows[] = {
      {"plain", "plain"},
      {"\x9a\xe8\xf8", "\xc5\xa1\xc4\x8d\xc5\x99"},  // s, c, r with caron
      {"\x8a\xbe", "\xc5\xa0\xc4\xbe"},              // S with caron, l with caron
      {"\x80", "\xe2\x82\xac"},                      // the euro sign
      {"quote \" back\\", "quote \\\" back\\\\"},    // escaped in the JSON text
  };
  for (const auto& row : rows) {
    std::ostringstream out;
    PrintJson(QJsonObject{{"name", JsonText(row.ansi)}}, out);
    EXPECT_NE(out.str().find("\"name\": \"" + row.utf8 + "\""), std::string::npos) << out.str();
  }
}

constexpr const char* kGallery =
    "GALLERY\r\n  PORTRET\r\n    PAK tiny\r\n    PORT_COMPONENTS\r\n"
    "      TYP OBLICEJE\r\n        COMP face_a\r\n"
    "        BARVY 0000FF 85 000000 0 000000 0 000000 0\r\n"
    "        POSUN 0 0\r\n        ROZESUN 0 0\r\n      END_OF_TYP\r\n"
    "    END_OF_PORT_COMPONENTS\r\n  END_OF_PORTRET\r\nEND_OF_GALLERY\r\nEND\r\n";

class BatchOutput : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir_.Path("data"));
    std::filesystem::create_directories(dir_.Path("work"));
    WriteTinyLibrary(dir_.Path("data"), "tiny");
  }
  std::string Work(const std::string& name) const { return dir_.Path("work/" + name); }
  ToolRun Kelvo(std::vector<std::string> args, bool library = true) const {
    if (library) args.insert(args.end(), {"--library", "tiny"});
    args.insert(args.begin(), {"--data", dir_.Path("data")});
    return RunTool(args);
  }
  QJsonObject Json(std::vector<std::string> args) const {
    const ToolRun run = Kelvo(std::move(args));
    EXPECT_EQ(run.code, 0) << run.err;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return doc.object();
  }
  TempDir dir_;
};

// Each command that draws random portraits: no seed and seed 0 give the same bytes, another
// seed other ones (seed 1's first face is face_a, seed 0's face_b). "OUT" stands for the file.
TEST_F(BatchOutput, SeedZeroIsTheDefaultSequenceAndOtherSeedsMoveIt) {
  const std::vector<std::vector<std::string>> rows = {
      {"random", "--count", "3", "--out", "OUT.xgl"},
      {"render", "--random", "--count", "1", "--out", "OUT.bmp"},
      {"frames", "--random", "--out", "OUT.bmp"},
      {"anim", "--random", "--out", "OUT.png"},
      {"avatar", "export", "--random"},
      {"stats", "--count", "5"},
  };
  for (const std::vector<std::string>& row : rows) {
    SCOPED_TRACE(row[0]);
    std::vector<std::string> outputs;
    for (const std::string seed : {"", "0", "1", "1"}) {
      std::vector<std::string> args = row;
      const std::string name = row[0] + "_" + seed + std::to_string(outputs.size());
      std::string file;
      for (std::string& a : args) {
        if (a.rfind("OUT", 0) == 0) a = file = Work(name + a.substr(3));
      }
      if (!seed.empty()) args.insert(args.end(), {"--seed", seed});
      const ToolRun run = Kelvo(args);
      ASSERT_EQ(run.code, 0) << run.err;
      outputs.push_back(file.empty() ? run.out : ReadFileBytes(file));
    }
    EXPECT_EQ(outputs[0], outputs[1]);
    EXPECT_NE(outputs[1], outputs[2]);
    EXPECT_EQ(outputs[2], outputs[3]);
  }
}

// The faces of 8 portraits drawn from the seed, as the design's generator gives them: 15 draws
// a portrait, the third choosing the face among face_a (3) and face_b (1).
TEST_F(BatchOutput, SeedStartsTheDesignsSequence) {
  struct Row {
    const char* seed;
    int face_a, face_b;
  };
  for (const Row& row :
       {Row{"0", 5, 3}, Row{"3", 6, 2}, Row{"2147483648", 4, 4}, Row{"4294967295", 6, 2}}) {
    const QJsonObject stats = Json({"stats", "--count", "8", "--json", "--seed", row.seed});
    EXPECT_EQ(stats["count"].toInt(), 8);
    EXPECT_EQ(stats["library"].toString(), "tiny");
    EXPECT_TRUE(stats["nation"].isNull());
    const QJsonArray faces = stats["categories"].toArray()[2].toObject()["components"].toArray();
    ASSERT_EQ(faces.size(), 4) << row.seed;
    EXPECT_EQ(faces[0].toObject()["name"].toString(), "face_a");
    EXPECT_EQ(faces[0].toObject()["chosen"].toInt(), row.face_a) << row.seed;
    EXPECT_EQ(faces[1].toObject()["chosen"].toInt(), row.face_b) << row.seed;
    EXPECT_DOUBLE_EQ(faces[1].toObject()["share"].toDouble(), row.face_b / 8.0);
    EXPECT_EQ(faces[3].toObject()["chosen"].toInt(), 0);  // the frame
  }
}

TEST_F(BatchOutput, CheckJsonCountsTheLibrary) {
  const QJsonObject check = Json({"check", "--json"});
  EXPECT_EQ(check["library"].toString(), "tiny");
  const QJsonArray categories = check["categories"].toArray();
  ASSERT_EQ(categories.size(), 14);
  struct Row {
    int index;
    const char* directory;
    const char* name;
    int components, frames;
  };
  for (const Row& row : {Row{1, "POZADI", "Backgrounds", 1, 0}, Row{2, "KRKY", "Necks", 1, 0},
                         Row{3, "OBLICEJE", "Faces", 4, 1}, Row{7, "PUSY", "Mouths", 2, 1},
                         Row{14, "POPREDI", "Foreground", 1, 0}}) {
    const QJsonObject c = categories[row.index - 1].toObject();
    EXPECT_EQ(c["index"].toInt(), row.index);
    EXPECT_EQ(c["directory"].toString(), row.directory);
    EXPECT_EQ(c["name"].toString(), row.name);
    EXPECT_EQ(c["components"].toInt(), row.components) << row.name;
    EXPECT_EQ(c["frames"].toInt(), row.frames) << row.name;
  }
  const QJsonArray types = check["colour_types"].toArray();
  ASSERT_EQ(types.size(), 11);
  EXPECT_EQ(types[0].toObject()["name"].toString(), "skin");
  EXPECT_EQ(types[0].toObject()["entries"].toInt(), 2);
  EXPECT_EQ(types[10].toObject()["index"].toInt(), 11);
  EXPECT_EQ(check["draw_order"].toInt(), 3);
  EXPECT_EQ(check["animation_links"].toInt(), 1);
  // Errors stay on stderr with the usual code, and nothing on stdout.
  const ToolRun missing =
      RunTool({"--data", dir_.Path("data"), "check", "--library", "none", "--json"});
  EXPECT_NE(missing.code, 0);
  EXPECT_EQ(missing.out, "");
}

// The tiny portrait without its background: the face opaque in the ordinary render's colour, the
// background's pixels clear; reduced by 2 the blocks average the coverage.
TEST_F(BatchOutput, TransparentRenderKeepsOnlyWhatComponentsDrew) {
  WriteFileBytes(Work("g.xgl"), kGallery);
  ASSERT_EQ(Kelvo({"render", "--gallery", Work("g.xgl"), "--out", Work("o.png")}).code, 0);
  for (const char* scale : {"1", "2"}) {
    const std::string out = Work(std::string("t") + scale + ".png");
    const ToolRun run = Kelvo(
        {"render", "--gallery", Work("g.xgl"), "--transparent", "--scale", scale, "--out", out});
    ASSERT_EQ(run.code, 0) << run.err;
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(out)));
    EXPECT_TRUE(image.hasAlphaChannel());
    const QImage ordinary(QString::fromStdString(Work("o.png")));
    const int s = scale[0] - '0';
    ASSERT_EQ(image.width(), 320 / s);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);  // the background alone
    EXPECT_EQ(qAlpha(image.pixel(51 / s, 61 / s)), 255);
    EXPECT_EQ(qAlpha(image.pixel(100, 100)), 0);
    if (s == 1) {
      EXPECT_EQ(image.pixel(51, 61), ordinary.pixel(51, 61));
      EXPECT_EQ(image.pixel(51, 61), qRgba(248, 0, 0, 255));
    }
  }
  // A bitmap cannot be clear: refused before anything is written.
  const ToolRun bmp =
      Kelvo({"render", "--gallery", Work("g.xgl"), "--transparent", "--out", Work("t.bmp")});
  EXPECT_EQ(bmp.code, 2);
  EXPECT_FALSE(std::filesystem::exists(Work("t.bmp")));
}

TEST_F(BatchOutput, ThumbnailFitsTheSizeAndRefusesWhatIsNoGallery) {
  WriteFileBytes(Work("g.xgl"), kGallery);
  struct Size {
    const char* size;
    int width, height;
  };
  for (const Size& row : {Size{nullptr, 102, 128}, Size{"256", 205, 256}, Size{"10", 8, 10},
                          Size{"1", 1, 1}, Size{"500", 400, 500}}) {
    std::vector<std::string> args = {"thumbnail", Work("g.xgl"), Work("t.png")};
    if (row.size) args.insert(args.end(), {"--size", row.size});
    const ToolRun run = Kelvo(args, false);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(PngSize(ReadFileBytes(Work("t.png"))), std::make_pair(row.width, row.height))
        << (row.size ? row.size : "default");
  }
  struct Refusal {
    const char* what;
    const char* content;  // null: no file
  };
  for (const Refusal& row : {Refusal{"missing", nullptr}, Refusal{"not a gallery", "hello\r\n"},
                             Refusal{"empty gallery", "GALLERY\r\nEND_OF_GALLERY\r\nEND\r\n"},
                             Refusal{"unknown data set",
                                     "GALLERY\r\n  PORTRET\r\n    PAK nowhere\r\n"
                                     "    PORT_COMPONENTS\r\n    END_OF_PORT_COMPONENTS\r\n"
                                     "  END_OF_PORTRET\r\nEND_OF_GALLERY\r\nEND\r\n"},
                             Refusal{"binary", "\x89PNG\r\n\x1a\n\0\0"}}) {
    SCOPED_TRACE(row.what);
    if (row.content) WriteFileBytes(Work("bad.xgl"), row.content);
    const ToolRun run = Kelvo({"thumbnail", Work("bad.xgl"), Work("bad.png")}, false);
    EXPECT_TRUE(run.code == 1 || run.code == 2) << run.code;
    EXPECT_NE(run.err, "");
    EXPECT_FALSE(std::filesystem::exists(Work("bad.png")));
    std::filesystem::remove(Work("bad.xgl"));
  }
  EXPECT_NE(RunTool({"--help"}).out.find("thumbnail"), std::string::npos);
}

}  // namespace
}  // namespace kelvo::cli
