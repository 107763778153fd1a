#pragma once
// Resource ids of Pairwick.exe and the command ids of its buttons. Plain defines, so that
// the resource script and the art generator read them too.

// Resources.
#define res_icon 1
#define res_castles 511
#define res_flowers 512
#define res_cars 513
#define res_blazons 514
#define res_click 516
#define res_name_dialog 800

// The main menu's buttons. 107 belongs to no button.
#define id_continue 100
#define id_new_game 101
#define id_save_game 102
#define id_load_game 103
#define id_high_scores 104
#define id_options 105
#define id_help 106
#define id_exit 108

// The options screen's buttons. The four card-set buttons' ids are their sheets'
// resource ids (res_castles to res_blazons, see card_sets.h).
#define id_back 109
#define id_save_options 110
#define id_random_set 515
#define id_sound_on 600
#define id_sound_off 601
// The language buttons: Automatic, English, then each catalogue the game carries.
#define id_language_automatic 610
#define id_language_last 629

// The save and load screen's buttons: the five slots, then Back.
#define id_slot_1 120
#define id_slots_back 125

// The name dialog's controls.
#define id_name_edit 801
#define id_name_ok 802
#define id_name_cancel 803
#define id_name_label 804
