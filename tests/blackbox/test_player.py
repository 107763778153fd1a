"""A scripted player clears three levels by clicking and looking, shops between them, and
checks the bar and the rules on the screen as it goes (see player.py)."""
from player import Player

# Hammers and dynamites used per level: enough to keep each level well under a minute,
# while the rest is played from memory.
POWER_UPS = {1: (6, 5), 2: (6, 4), 3: (6, 4)}


def test_player_clears_three_levels_and_shops_between_them(game_factory):
    player = Player(game_factory())
    player.start()
    for level in (1, 2, 3):
        hammers, dynamites = POWER_UPS[level]
        player.play_level(hammers, dynamites)
        player.shop(try_unaffordable=level == 1)
        player.next_level()
    assert player.level == 4
    player.finish()
