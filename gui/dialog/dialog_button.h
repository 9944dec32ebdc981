#pragma once
// The message dialog's buttons, numbered as its pictures and words are looked up.
enum DialogButton { ButTak = 1, ButNie = 2, ButAnuluj = 3, ButZamknij = 4 };
