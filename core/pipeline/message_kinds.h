#pragma once
// The button styles and icons of a message, and the choices it can end with. Shared by the
// pipeline, which asks for messages, and the dialog, which shows them; no Qt here.

enum MessageStyle { StyleZamknij = 1, StyleTakNieAnuluj = 3 };
enum MessageIcon { IconInformacja = 1, IconPytanie = 2, IconUwaga = 3 };
enum MessageChoice { ChoiceZamknij = 0, ChoiceTak = 1, ChoiceNie = 2, ChoiceAnuluj = 3 };
