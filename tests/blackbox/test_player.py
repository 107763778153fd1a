"""A scripted player clears a level by clicking and looking, shops, and starts the next
level, checking the bar and the rules on the screen as it goes (see player.py)."""
from player import Player

# Every hammer (the quickest way to take a pair) and one dynamite, which waits for the
# board to be still; the rest is played from memory, with mismatches on the way.
HAMMERS, DYNAMITES = 10, 3


def test_player_clears_a_level_shops_and_starts_the_next(game_factory):
    player = Player(game_factory())
    player.start()
    player.play_level(HAMMERS, DYNAMITES)
    player.shop(try_unaffordable=True)
    player.next_level()
    assert player.level == 2
    player.finish()
