// The board of each card set with all 64 cards face up, drawn by the game's own frame into
// a 16-bit surface like its back buffer, for looking at the pictures where players see them.
// The target board_faces (not built by default; boards.py builds and runs it) writes the
// frames to PAIRWICK_SHOTS as board-faces-<set>.bmp, <set> the set's caption in lower case.
#include "inproc/inproc.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace {

class BoardFaces : public InProc {};

TEST_F(BoardFaces, EverySetWithEveryCardFaceUp) {
    const char* folder = std::getenv("PAIRWICK_SHOTS");
    ASSERT_NE(folder, nullptr);
    for (const card_set& set : card_sets) {
        SCOPED_TRACE(set.caption);
        command(set.sheet_id);
        new_ordered_game();
        for (int i = 0; i < 64; ++i) game.field.card[i]->face_up = true;
        surface shot(800, 600);
        game.back_dc = shot.dc();
        game.main();
        game.back_dc = nullptr;
        std::string name = set.caption;
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const std::string path = std::string(folder) + "\\board-faces-" + name + ".bmp";
        write_bmp(path, 800, 600, [&](int x, int y) { return shot.at(x, y); });
    }
}

}  // namespace
