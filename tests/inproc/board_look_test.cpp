#include "inproc/inproc.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
// Pixels of a rectangle of the frame most recently drawn.
std::vector<COLORREF> cell(const surface& s, int x, int y) {
    std::vector<COLORREF> pixels;
    for (int dy = 0; dy < 50; ++dy)
        for (int dx = 0; dx < 50; ++dx) pixels.push_back(GetPixel(s.dc(), x + dx, y + dy));
    return pixels;
}

// Largest channel difference between two equally sized cells.
int max_difference(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int worst = 0;
    for (size_t i = 0; i < a.size(); ++i)
        for (int shift : {0, 8, 16})
            worst = std::max(worst, std::abs(int((a[i] >> shift) & 0xFF) -
                                             int((b[i] >> shift) & 0xFF)));
    return worst;
}

// Pixels that differ by more than the field's own texture does.
int differing(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
    int count = 0;
    for (size_t i = 0; i < a.size(); ++i)
        count += max_difference({a[i]}, {b[i]}) > 24;
    return count;
}

// With PAIRWICK_SHOTS set, frames are also saved there as BMP files to be looked at.
void save_frame(const surface& s, const char* name) {
    const char* folder = std::getenv("PAIRWICK_SHOTS");
    if (!folder) return;
    const std::string path = std::string(folder) + "\\" + name + ".bmp";
    write_bmp(path, 800, 600, [&](int x, int y) { return s.at(x, y); });
}

class BoardLook : public InProc {
protected:
    void draw() {
        game.back_dc = shot.dc();
        game.main();
        game.back_dc = nullptr;
        ValidateRect(game.window, nullptr);
    }
    surface shot{800, 600};
};

TEST_F(BoardLook, DealtBoardShowsSixtyFourBacksOverTheField) {
    command(id_new_game);
    draw();
    save_frame(shot, "board-backs");
    const std::vector<COLORREF> back = cell(shot, 265, 65);
    for (int i = 0; i < 64; ++i) {
        SCOPED_TRACE(testing::Message() << "card " << i);
        EXPECT_EQ(cell(shot, card_left(i), card_top(i)), back);
    }
    // Between the cards the field shows.
    EXPECT_NE(cell(shot, 290, 90), back);
}

TEST_F(BoardLook, FaceUpCardsOfEachSetAndRemovalsInProgress) {
    for (const card_set& set : card_sets) {
        SCOPED_TRACE(set.caption);
        command(set.sheet_id);
        new_ordered_game();
        // The first row face up, one pair exploding and one being smashed.
        for (int i = 0; i < 8; ++i) game.field.card[i]->face_up = true;
        game.field.card[16]->exploding = game.field.card[17]->exploding = true;
        game.field.card[24]->smashing = game.field.card[25]->smashing = true;
        for (int step = 0; step < 4; ++step) {
            clock.advance(101);
            draw();
        }
        std::string name = set.caption;
        for (char& ch : name) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        save_frame(shot, ("board-" + name).c_str());
        for (int i = 0; i < 8; ++i) {
            const int picture = i / 2;
            surface expected(50, 50);
            BitBlt(expected.dc(), 0, 0, 50, 50, res->sheet_dc[set.slot], 50 * (picture % 10),
                   50 * (picture / 10), SRCCOPY);
            // The sheet is converted to the 16-bit surface on the way: one 5-bit step.
            EXPECT_LE(max_difference(cell(shot, card_left(i), card_top(i)), cell(expected, 0, 0)),
                      8)
                << "card " << i;
        }
        // Both cards of a pair show the same frame of their shared strip; where it is
        // transparent the field beneath differs a little from cell to cell.
        const std::vector<COLORREF> back = cell(shot, card_left(40), card_top(40));
        for (int first : {16, 24}) {
            SCOPED_TRACE(testing::Message() << "pair at " << first);
            const auto a = cell(shot, card_left(first), card_top(first));
            const auto b = cell(shot, card_left(first + 1), card_top(first + 1));
            EXPECT_LT(differing(a, b), 2500 / 5);
            EXPECT_GT(differing(a, back), 2500 / 3);
        }
    }
}
// The board is drawn from a cached field of card backs; it must give exactly the pixels
// of drawing the field and then every card, in every state a card can be in.
TEST_F(BoardLook, CachedBoardDrawsWhatEveryCardDraws) {
    command(res_castles);
    new_ordered_game();
    auto& c = game.field.card;
    c[0]->face_up = true;
    c[2]->removed = true;
    c[3]->removed = true;
    c[4]->exploding = c[5]->exploding = true;
    c[6]->smashing = c[7]->smashing = true;
    c[8]->face_up = c[8]->exploding = true;  // picked while its pair explodes
    c[9]->exploding = true;
    c[10]->removed = c[10]->face_up = true;
    surface cached(800, 600), reference(800, 600);
    for (int step = 0; step < 20; ++step) {
        SCOPED_TRACE(testing::Message() << "frame " << step);
        clock.advance(60);
        cached.fill({0, 0, 0});
        reference.fill({0, 0, 0});
        game.field.render(cached.dc());
        // Same tick: the strips stand still for the second drawing.
        game.field.background.draw(reference.dc(), 200, 0);
        for (const auto& card : c) card->render(reference.dc());
        ASSERT_EQ(grab(cached.dc(), 0, 0, 800, 600), grab(reference.dc(), 0, 0, 800, 600));
        if (step == 10) c[8]->face_up = false;
    }
}
// The bar's column comes from a cache too; the pixels are those of drawing it whole.
TEST_F(BoardLook, CachedBarDrawsWhatTheBarDraws) {
    command(id_new_game);
    frame();
    surface cached(800, 600), reference(800, 600);
    for (int step = 0; step < 5; ++step) {
        SCOPED_TRACE(testing::Message() << "frame " << step);
        clock.advance(150);
        game.bar.points = 100 * step;
        for (surface* s : {&cached, &reference}) {
            s->fill({0, 0, 0});
            game.field.render(s->dc());
        }
        game.bar.render(cached.dc());
        // The uncached way: the column drawn piece by piece, the background with its
        // two-pass draw.
        game.bar.background.plain_copy = false;
        game.bar.render(reference.dc());
        game.bar.background.plain_copy = true;
        ASSERT_EQ(grab(cached.dc(), 0, 0, 800, 600), grab(reference.dc(), 0, 0, 800, 600));
    }
}
}  // namespace
