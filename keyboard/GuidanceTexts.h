// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace kf {

// One finger-guidance sentence as the drill window's guidance label shows it. A sentence that
// addresses the student is split around the user name: `text`, then the name, then
// `afterUserName`. The texts keep "&&" where the label shows a single ampersand.
struct GuidanceText {
    int id = 0;
    std::string_view text;
    std::string_view afterUserName;
    bool namesUser = false;

    constexpr GuidanceText(int textId, std::string_view whole)
        : id(textId)
        , text(whole) {}
    constexpr GuidanceText(int textId, std::string_view beforeName, std::string_view afterName)
        : id(textId)
        , text(beforeName)
        , afterUserName(afterName)
        , namesUser(true) {}
};

inline constexpr int kGuidanceTextCount = 171;

// The sentences G1..G171, in order of their numbers (kGuidanceTexts[n - 1] is Gn).
// The wording is fixed, slips included ("Mover your", "up to rows"): do not correct it.
inline constexpr std::array<GuidanceText, kGuidanceTextCount> kGuidanceTexts{{
    {1, "Stay at the home position and use your left hand little finger for the \"a\" key."},
    {2, "Use your left hand little finger and move up one key for the \"a\" key."},
    {3, "Press the \"s\" key with your left hand ring finger."},
    {4, "Press the \"d\" key with your left hand middle finger."},
    {5, "The \"f\" key is directly under your left hand index finger."},
    {6, "To reach the \"g\" key, you will have to move your left hand index finger one key to the "
        "right."},
    {7, "Move your right hand index finger one key to the left and press the \"h\" key."},
    {8, "The \"j\" key is under your right hand index finger."},
    {9, "Press the \"k\" key using your right hand middle finger."},
    {10, "Remain at the home row position, ",
     ", and press the \"l\" key with your right hand ring finger."},
    {11, "The semicolon, ", ", is under your right hand little finger."},
    {12, "The semicolon, ", ", is down one key then under your right middle finger."},
    {13, "Move your left hand little finger up one key and slightly to the left to reach the \"q\" "
         "key."},
    {14, "The \"q\" is under your left hand little finger."},
    {15,
     "Move your left hand ring finger up one key and slightly to the left to reach the \"w\" key."},
    {16, "Move your left hand little finger down one row to type the \"w\" key"},
    {17, "Move your left hand middle finger up one key and slightly to the left to reach the \"e\" "
         "key."},
    {18, "Move your left hand index finger up one key and slightly to the left to reach the \"r\" "
         "key."},
    {19, "To reach the \"t\" key, move your left hand index finger up one key and to the right."},
    {20, "This key is a little tricky for beginners. Move your right hand index finger up and to "
         "the left."},
    {21, "Move your left hand little finger down one row to type the \"y\" key."},
    {22, "Move your right hand index finger up one key and slightly to the left to reach the \"u\" "
         "key."},
    {23, "Move your right hand middle finger up one key and slightly to the left to reach the "
         "\"i\" key."},
    {24, "Move your right hand ring finger up one key and slightly to the left to reach the \"o\" "
         "key."},
    {25, "Move your right hand little finger up one key and slightly to the left to reach the "
         "\"p\" key."},
    {26, "Move your left hand little finger down one key and slightly to the right to reach the "
         "\"z\" key."},
    {27, "Move your right hand up one row and one key to the left to type the \"z\" key."},
    {28, "Move your left hand ring finger up one row to type the \"z\" key."},
    {29, "Move your left hand ring finger down one key and slightly to the right to reach the "
         "\"x\" key."},
    {30, "Move your left hand middle finger down one key and slightly to the right to reach the "
         "\"c\" key."},
    {31, "Move your left hand index finger down one key and slightly to the right to reach the "
         "\"v\" key."},
    {32, "This is a tricky one for beginners. The \"b\" can be reached equally with either hand, "
         "but most teach the use of the left hand."},
    {33, "Move your right hand index finger down and slightly to the left."},
    {34,
     "Move your right hand index finger down and slightly to the right to reach the \"m\" key."},
    {35, "The \"m\" key is on the home row under your right hand little finger."},
    {36,
     "Move your right hand middle finger down and slightly to the right to reach the \",\" key."},
    {37, "Move your right hand index finger down one row to type the \",\" key."},
    {38, "Move your right hand ring finger down and slightly to the right to reach the \".\" key."},
    {39, "Move the right hand middle finger down one row to type the period."},
    {40, "This key is in the same place as the \"1\" key. Don't forget the shift key."},
    {41, "Move the right hand little finger down one row to type the \"!\" key."},
    {42, "This key is in the same place as the \"9\" key. Don't forget the shift key."},
    {43, "Move your right middle finger up two rows to type the \"(\" key."},
    {44, "Move your left index finger up two rows to type the \"(\" key."},
    {45, "This key is in the same place as the \"0\" key. Don't forget the shift key."},
    {46, "Move the right ring finger up two rows to type the \")\" key."},
    {47, "Move your right hand little finger up two rows, and one key to the right to type \")\""},
    {48, "Your right hand little finger will be used to reach the \"-\" key. It's not quite "
         "straight up, you will have to slant to the right a little."},
    {49, "Move your right hand little finger down one row to type the \"-\" key."},
    {50, "Move your left hand index finger up two rows and one key to the right to type \"-\""},
    {51, "Press the left shift key first, then press the \":\" key with your right hand little "
         "finger."},
    {52, "Move your right hand ring finger down one row to type the \":\" key."},
    {53, "Move your right hand little finger to the right one key."},
    {54, "Move your right hand little finger up two rows to type the '' key."},
    {55, "Mover your right hand little finger two keys to the right to type the '' key."},
    {56, "Move your left hand index finger two rows up to type the '' key."},
    {57, "To reach the question mark, move your right hand little finger down and to the right. "
         "Don't forget the shift key."},
    {58, "Move your right hand little finger up two rows to type the \"?\" key."},
    {59, "Move your right hand index finger down one row to type the \"?\" key."},
    {60, "Move your right hand little finger to the right one key. Don't forget the left shift."},
    {61, "Move your left hand ring finger up two rows."},
    {62, "Move your left hand middle finger up two rows."},
    {63, "To reach the \"1\" key, move your left hand little finger two rows up and to the left."},
    {64, "To reach the \"2\" key, move your left hand ring finger two rows up and to the left."},
    {65, "To reach the \"3\" key, move your left hand middle finger two rows up and to the left."},
    {66, "To reach the \"4\" key, move your left hand index finger two rows up and to the left."},
    {67, "To reach the \"5\" key, move your right hand index finger straight up two rows and very "
         "slightly to the right."},
    {68, "To reach the \"6\" key, move your left hand index finger up two rows while moving to the "
         "right."},
    {69, "To reach the \"7\" key, move your right hand index finger up two rows and to the left."},
    {70, "To reach the \"8\" key, move your right hand middle finger up two rows and to the left."},
    {71, "To reach the \"9\" key, move your right hand ring finger up two rows and to the left."},
    {72, "To reach the \"0\" key, move your right hand little finger up two rows and to the left."},
    {73, "The \"`\" key is at the top left of the keyboard."},
    {74,
     "Press the right shift key first, then use your left hand little finger to reach this key."},
    {75, "Move your right hand little finger two keys to the right."},
    {76, "Move your right hand little finger up one row and two keys to the right."},
    {77, "This key is in the same place as the \"2\" key. Don't forget the shift key."},
    {78, "Move your right hand little finger one key to to the right."},
    {79, "Move your ring finger up two rows to reach the  \"@\" key."},
    {80, "Move your left hand little finger up one row to reach the \"@\" key."},
    {81, "The \"@\" key is under your right hand little finger."},
    {82, "Move your right hand little finger up two rows to reach the \"@\" key."},
    {83, "Use your left hand ring finger to type this key."},
    {84, "Move your right hand little finger two keys to the right to type the \"#\" key."},
    {85, "Use your left hand middle finger to type this key."},
    {86, "Move your right hand little finger one key to the right to type the \"#\" key."},
    {87, "Move your left hand index finger up two rows to type the \"$\" key."},
    {88, "Move your left hand little finger up two rows and two keys to the right."},
    {89, "This key is in the same place as the \"5\" key. Don't forget the shift key."},
    {90, "Move your right hand little finger one key to the right."},
    {91, "This key is in the same place as the \"6\" key. Don't forget the shift key."},
    {92, "Move your right hand little finger up two rows and and two keys to the right."},
    {93, "Move your right hand ring finger up two rows to type the \"^\" key."},
    {94, "This key is in the same place as the \"7\" key. Don't forget the shift key."},
    {95, "Move your left hand index finger up two rows and two keys to the right."},
    {96, "Move your left hand little finger up two rows to type the \"&&\" key."},
    {97, "This key is in the same place as the \"8\" key. Don't forget the shift key."},
    {98, "Move your right hand little finger up one row and two keys to the right to type \"*\"."},
    {99, "Move your right hand little finger two keys to the right to type \"*\"."},
    {100, "Your right hand little finger will be used to reach the \"_\" key. It's not quite "
          "straight up, you will have to slant to the right a little."},
    {101, "Move your right hand little finger down one row to type the \"_\" key."},
    {102, "Move your left hand middle finger up to rows to type the \"_\" key."},
    {103, "This key takes a lot of practice to get right. Use your right hand little finger."},
    {104, "Move your right hand little finger up two rows to type the \"=\" key."},
    {105, "Press the left shift, then use your right hand little finger on the \"+\" key."},
    {106, "Move your right hand little finger up one row and two keys to the right to type the "
          "\"+\" key."},
    {107, "This key is pressed with your right hand little finger."},
    {108, "Move your right hand little finger up one row and one key to the right to type \"[\"."},
    {109, "Move your middle finger up two rows to type the \"[\" key."},
    {110, "Move your left hand index finger up two rows to type the \"[\" key."},
    {111, "Press the left shift, then use your right hand little finger on the \"{\" key."},
    {112, "Move your right hand little finger one key to the right to type the \"{\" key."},
    {113, "Move your right hand index finger up two rows to type the \"{\" key."},
    {114, "Move your right hand little finger up one row and one key to the right to type the "
          "\"{\" key."},
    {115, "Move your left hand index finger up two rows to type the \"{\" key."},
    {116, "Move your right hand ring finger up two rows to type the \"]\" key."},
    {117, "Move your right hand little finger up two rows and one key to the right to type the "
          "\"]\" key."},
    {118, "Press the left shift, then use your right hand little finger on the \"}\" key."},
    {119, "Move your right hand little finger two keys to the right to type the \"}\" key."},
    {120, "Move your right hand little finger up two rows to type the \"}\" key."},
    {121, "Move your right hand little finger up one row and two keys to the right to type the "
          "\"}\" key."},
    {122, "Move your right hand little finger up two rows and two keys to the right to type the "
          "\"}\" key."},
    {123, "This character is in the same place as the comma. Don't forget the left shift."},
    {124, "Move your left hand little finger down on row and slightly to the left to type the "
          "\"<\" key."},
    {125, "This character is in the same place as the period. Don't forget the left shift."},
    {126, "Move your right hand little finger down and to the right to reach the slash."},
    {127, "Move your right hand index finger up two rows to type the \"/\" key."},
    {128, "Move your right hand ring finger down one row to type the \"/\" key."},
    {129, "The key can be in different places on different keyboards. Check your keyboard."},
    {130, "Move your left hand little finger down one row to type this key."},
    {131, "This key is all the way to the top left on your keyboard."},
    {132, "Move your right hand little finger up two rows and one key to the right to type the "
          "\"\\\" key."},
    {133, "Move your right hand middle finger up two rows to type the \"\\\" key."},
    {134, "This key is usually under the backspace."},
    {135, "Move your left hand little finger down one row."},
    {136, "This key is located with the number 1 key."},
    {137, "This key is at the top left part of your keyboard."},
    {138, "This is located with the number 6 key. Use your left hand index finger."},
    {139, "Stay at the home position and use your left hand little finger for the \"A\" key. Don't "
          "forget the right Shift."},
    {140, "Use your left hand little finger and move up one key for the \"A\" key."},
    {141,
     "Press the right shift key first, then use your left hand ring finger for the \"S\" key."},
    {142,
     "Press the right shift key first, then use your left hand middle finger for the \"D\" key."},
    {143,
     "Press the right shift key first, then use your left hand index finger for the \"F\" key."},
    {144, "Press the right shift key first, then move your left hand index finger one key to the "
          "right for the \"G\" key."},
    {145, "Press the left shift key first, then move your right hand index finger one key to the "
          "left for the \"H\" key."},
    {146,
     "Press the left shift key first, then use your right hand index finger for the \"J\" key."},
    {147,
     "Press the left shift key first, then use your right hand middle finger for the \"K\" key."},
    {148,
     "Press the left shift key first, then use your right hand ring finger for the \"L\" key."},
    {149, "Move your left hand little finger up one key and slightly to the left to reach the "
          "\"Q\" key."},
    {150, "The \"Q\" is under your left hand little finger."},
    {151,
     "Move your left hand ring finger up one key and slightly to the left to reach the \"W\" key."},
    {152, "Move your left hand little finger down one row to type the \"W\" key"},
    {153, "Press the right shift key first, then move your left hand middle finger up one key and "
          "slightly to the left to reach the \"E\" key."},
    {154, "Press the right shift key first, then move your left hand index finger up one key and "
          "slightly to the left to reach the \"R\" key."},
    {155, "Press the right shift key first, then move your left hand index finger up one key and "
          "to the right."},
    {156, "Press the left shift key first, then move your left hand little finger down one row to "
          "type the \"Y\" key."},
    {157, "Press the left shift key first, then move your right hand index finger up one key and "
          "slightly to the left to reach the \"U\" key."},
    {158, "Press the left shift key first, then move your right hand middle finger up one key and "
          "slightly to the left to reach the \"I\" key."},
    {159, "Press the left shift key first, then move your right hand ring finger up one key and "
          "slightly to the left to reach the \"O\" key."},
    {160, "Press the left shift key first, then move your right hand little finger up one key and "
          "slightly to the left to reach the \"P\" key."},
    {161, "Move your left hand little finger down one key and slightly to the right to reach the "
          "\"Z\" key."},
    {162, "Move your right hand up one row and one key to the left to type the \"Z\" key."},
    {163, "Move your left hand ring finger up one row to type the \"Z\" key."},
    {164, "Press the right shift key first, then move your left hand ring finger down one key and "
          "slightly to the right to reach the \"X\" key."},
    {165, "Press the right shift key first, then move your left hand middle finger down one key "
          "and slightly to the right to reach the \"C\" key."},
    {166, "Press the right shift key first, then move your left hand index finger down one key and "
          "slightly to the right to reach the \"V\" key."},
    {167, "This is a tricky one for beginners. The \"B\" can be reached equally with either hand, "
          "but most teach the use of the left hand."},
    {168, "Press the left shift key first, then move your right hand index finger down and "
          "slightly to the left."},
    {169,
     "Move your right hand index finger down and slightly to the right to reach the \"M\" key."},
    {170, "The \"M\" key is on the home row under your right hand little finger."},
    {171, "Type the blue key before the green."},
}};

static_assert(
    [] {
        for (int i = 0; i < kGuidanceTextCount; ++i) {
            if (kGuidanceTexts[i].id != i + 1)
                return false;
        }
        return true;
    }(),
    "guidance texts must be listed in order of their numbers, without gaps");

} // namespace kf
