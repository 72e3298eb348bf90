// The text data files we ship: shapes that fit and close, usable quotes, every help section.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "core/game_state.h"
#include "pictures/picture_state.h"
#include "pictures/shapes.h"
#include "platform/services.h"
#include "platform/surface.h"

namespace {

using platform::Primitive;
using Strings = std::vector<std::string>;

std::string read_raw(const char* name) {
    QFile f(QString::fromStdString(platform::data_path(name)));
    if (!f.open(QIODevice::ReadOnly)) return "";
    return f.readAll().toStdString();
}

Strings lines_of(const std::string& text) {
    Strings lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

class ShippedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        platform::set_data_folder("");  // beside the program, where the build puts them
        core::core_state() = core::CoreState{};
        pictures::picture_state() = pictures::PictureState{};
    }
    void TearDown() override {
        platform::set_data_folder("");
        pictures::picture_state() = pictures::PictureState{};
    }
};

// ---- shapes.txt ----------------------------------------------------------------------------

TEST_F(ShippedFiles, EveryShapeIsReadAndFitsTheTables) {
    const Strings lines = lines_of(read_raw("shapes.txt"));
    ASSERT_FALSE(lines.empty()) << "shapes.txt is missing beside the program";
    auto last = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return !trimmed(l).empty(); });
    EXPECT_EQ(*last, "[END]");
    const auto blocks = std::count_if(lines.begin(), lines.end(),
                                      [](const std::string& l) { return l.rfind("----", 0) == 0; });

    pictures::load_shapes();
    const auto& p = pictures::picture_state();
    // A damaged shape would end the library early and lose the shapes after it.
    EXPECT_EQ(p.shape_count, blocks);
    EXPECT_GE(p.shape_count, 25);
    EXPECT_LE(p.shape_count, 50);
    std::set<std::string> names;
    for (int n = 1; n <= p.shape_count; ++n) {
        const std::string& name = p.shape_name[static_cast<std::size_t>(n)];
        EXPECT_FALSE(trimmed(name).empty()) << "shape " << n << " could never be picked";
        EXPECT_TRUE(names.insert(name).second) << "two shapes named " << name;
        EXPECT_GE(p.shape_npts[static_cast<std::size_t>(n)], 3) << name;
    }
}

TEST_F(ShippedFiles, ShapesStayInTheirBoxWithStepsOfAtLeastFiveUnits) {
    pictures::load_shapes();
    const auto& p = pictures::picture_state();
    for (int n = 1; n <= p.shape_count; ++n) {
        const std::string& name = p.shape_name[static_cast<std::size_t>(n)];
        const std::size_t start = static_cast<std::size_t>(p.shape_start[static_cast<std::size_t>(n)]);
        int x = p.shape_pt_x[start];
        int y = p.shape_pt_y[start];
        for (int k = 0; k <= p.shape_npts[static_cast<std::size_t>(n)]; ++k) {
            if (k > 0) {
                const int dx = p.shape_pt_x[start + static_cast<std::size_t>(k)];
                const int dy = p.shape_pt_y[start + static_cast<std::size_t>(k)];
                EXPECT_GE(std::max(std::abs(dx), std::abs(dy)), 5) << name << " step " << k;
                x += dx;
                y += dy;
            }
            EXPECT_LE(std::abs(x), 30) << name << " point " << k;
            EXPECT_LE(std::abs(y), 30) << name << " point " << k;
        }
    }
}

// Each figure opens with its outline: the lines drawn before the first move. It must come
// back to its start at every scale the pictures use, turned or not, since each scaled step is
// rounded on its own.
TEST_F(ShippedFiles, EveryOutlineClosesAtEveryScale) {
    pictures::load_shapes();
    const struct {
        float x, y;
    } scales[] = {{1, 1},         {0.8f, 1},        {0.84f, 0.84f}, {0.98f, 0.98f}, {1.176f, 1.176f},
                  {1.47f, 1.47f}, {1.96f, 1.96f}, {2.94f, 2.94f}, {5.88f, 4.704f}};
    for (std::int16_t n = 1; n <= pictures::picture_state().shape_count; ++n) {
        const std::string name = pictures::picture_state().shape_name[static_cast<std::size_t>(n)];
        for (const auto& sc : scales) {
            for (std::int16_t orient : {0, 1}) {
                platform::Surface s(10, 10);
                std::vector<Primitive> rec;
                s.set_recorder(&rec);
                std::int16_t shape_no = n;
                double x = 200, y = 150, sx = sc.x, sy = sc.y, width = 2;
                platform::Colour colour = 0;
                pictures::draw_shape(s, shape_no, x, y, colour, sx, sy, width, orient);
                ASSERT_GE(rec.size(), 4u) << name;
                ASSERT_EQ(rec[0].kind, Primitive::Kind::Point) << name;
                std::size_t end = 1;
                while (end < rec.size() && rec[end].kind == Primitive::Kind::Line) ++end;
                ASSERT_GE(end, 4u) << name << ": an outline needs three lines at least";
                EXPECT_EQ(rec[end - 1].x2, rec[0].x1) << name << " at " << sc.x << " orient " << orient;
                EXPECT_EQ(rec[end - 1].y2, rec[0].y1) << name << " at " << sc.y << " orient " << orient;
            }
        }
    }
}

TEST_F(ShippedFiles, ALibraryCutOffKeepsEveryShapeBeforeTheCut) {
    const std::string text = read_raw("shapes.txt");
    const Strings lines = lines_of(text);
    ASSERT_FALSE(lines.empty());
    // Offset of the last character of each shape's last point line.
    std::vector<std::size_t> shape_ends;
    std::size_t offset = 0;
    std::vector<std::size_t> line_start;
    for (const std::string& l : lines) {
        line_start.push_back(offset);
        offset = text.find('\n', offset) + 1;
        (void)l;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("----", 0) != 0) continue;
        std::istringstream header(lines[i + 1]);
        std::string x, y, n;
        std::getline(header, x, ',');
        std::getline(header, y, ',');
        std::getline(header, n, ',');
        const std::size_t last = i + 1 + static_cast<std::size_t>(std::stoi(n));
        shape_ends.push_back(line_start[last] + trimmed(lines[last]).size() - 1);
    }

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    platform::set_data_folder(dir.path().toStdString());
    testing::internal::CaptureStderr();
    for (std::size_t k = 0; k < shape_ends.size(); ++k) {
        for (const std::size_t keep : {shape_ends[k], shape_ends[k] + 1}) {
            QFile f(dir.filePath("shapes.txt"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(text.data(), static_cast<qint64>(keep));
            f.close();
            pictures::load_shapes();
            const std::size_t expected = keep > shape_ends[k] ? k + 1 : k;
            EXPECT_EQ(static_cast<std::size_t>(pictures::picture_state().shape_count), expected) << keep;
        }
    }
    testing::internal::GetCapturedStderr();
}

// ---- quotes.txt ----------------------------------------------------------------------------

TEST_F(ShippedFiles, EveryQuoteIsKeptWhole) {
    const Strings lines = lines_of(read_raw("quotes.txt"));
    const auto usable = std::count_if(lines.begin(), lines.end(),
                                      [](const std::string& l) { return !trimmed(l).empty(); });
    core::load_quotes();
    const auto& s = core::core_state();
    EXPECT_EQ(s.quote_count, usable) << "lines past the 99th would be lost";
    EXPECT_GE(s.quote_count, 20);
    EXPECT_LE(s.quote_count, 40);
    std::set<std::string> seen;
    for (int i = 1; i <= s.quote_count; ++i) {
        const std::string& q = s.quote[static_cast<std::size_t>(i)];
        EXPECT_GE(q.size(), 3u) << q;
        EXPECT_LE(q.size(), 50u) << q << " would be cut";
        EXPECT_TRUE(seen.insert(q).second) << q << " twice";
    }
}

// ---- faq.dat -------------------------------------------------------------------------------

TEST_F(ShippedFiles, HelpHasEverySectionTheHelpWindowAsksFor) {
    const Strings raw = lines_of(read_raw("faq.dat"));
    core::load_faq();
    const auto& s = core::core_state();
    ASSERT_EQ(s.faq_count, raw.size()) << "help lines past the 239th are never read";
    ASSERT_GT(s.faq_count, 0);
    EXPECT_NE(s.faq_line[1].rfind("[", 0), 0u) << "a short note comes before the first section";

    auto line = [&](int i) { return s.faq_line[static_cast<std::size_t>(i)]; };
    for (const std::string tag : {"LINEAR", "STORY", "ABOUTME", "NOSOUND"}) {
        SCOPED_TRACE(tag);
        std::vector<int> headers;
        for (int i = 1; i <= s.faq_count; ++i) {
            if (trimmed(line(i)) == "[" + tag + "]") headers.push_back(i);
        }
        ASSERT_EQ(headers.size(), 1u);
        const int h = headers[0];
        ASSERT_LE(h + 3, s.faq_count) << "the title, the skipped line and a body must follow";
        const std::string title = line(h + 1);
        EXPECT_FALSE(trimmed(title).empty());
        EXPECT_LE(title.size(), 20u) << "a title has one short line";
        EXPECT_NE(title.rfind("[", 0), 0u);
        EXPECT_NE(line(h + 2).rfind("[", 0), 0u);
        int words = 0;
        for (int k = h + 3; k <= s.faq_count && line(k).rfind("[", 0) != 0; ++k) {
            if (!trimmed(line(k)).empty()) ++words;
        }
        EXPECT_GE(words, 2) << "the answer has some text";
    }
}

// ---- readme.txt ----------------------------------------------------------------------------

TEST_F(ShippedFiles, ReadmeIsPlainTextThatFitsAnEditorWindow) {
    const Strings lines = lines_of(read_raw("readme.txt"));
    ASSERT_GT(lines.size(), 20u) << "readme.txt is missing or nearly empty";
    for (const std::string& l : lines) EXPECT_LE(l.size(), 80u) << l;
}

}  // namespace
