#pragma once
// Resource ids of Pairwick.exe. The card-set ids double as the options screen's
// command ids of the same sets.
#define res_icon 1
#define res_castles 511
#define res_flowers 512
#define res_cars 513
#define res_blazons 514
#define res_click 516
#define res_name_dialog 800
#define id_name_edit 801
#define id_name_ok 802
#define id_name_cancel 803
#define id_name_label 804
