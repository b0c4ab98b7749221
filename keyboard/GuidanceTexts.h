// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>

namespace kf {

// One finger-guidance sentence as the drill window's guidance label shows it, in English; the
// label shows it in the interface language (context "FingerGuidance"). A sentence that
// addresses the student holds "%1" where the user name goes, so a translation can put the name
// where its language wants it. The texts keep "&&" where the label shows a single ampersand.
struct GuidanceText {
    int id = 0;
    const char* text = nullptr;
    bool namesUser = false;
};

inline constexpr int kGuidanceTextCount = 171;

// The sentences G1..G171, in order of their numbers (kGuidanceTexts[n - 1] is Gn).
// The English wording is fixed, slips included ("Mover your", "up to rows"): do not correct it
// here; the translations say what was meant.
inline constexpr std::array<GuidanceText, kGuidanceTextCount> kGuidanceTexts{{
    {1, QT_TRANSLATE_NOOP(
            "FingerGuidance",
            "Stay at the home position and use your left hand little finger for the \"a\" key.")},
    {2,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Use your left hand little finger and move up one key for the \"a\" key.")},
    {3,
     QT_TRANSLATE_NOOP("FingerGuidance", "Press the \"s\" key with your left hand ring finger.")},
    {4,
     QT_TRANSLATE_NOOP("FingerGuidance", "Press the \"d\" key with your left hand middle finger.")},
    {5, QT_TRANSLATE_NOOP("FingerGuidance",
                          "The \"f\" key is directly under your left hand index finger.")},
    {6, QT_TRANSLATE_NOOP("FingerGuidance", "To reach the \"g\" key, you will have to move your "
                                            "left hand index finger one key to the right.")},
    {7, QT_TRANSLATE_NOOP(
            "FingerGuidance",
            "Move your right hand index finger one key to the left and press the \"h\" key.")},
    {8,
     QT_TRANSLATE_NOOP("FingerGuidance", "The \"j\" key is under your right hand index finger.")},
    {9, QT_TRANSLATE_NOOP("FingerGuidance",
                          "Press the \"k\" key using your right hand middle finger.")},
    {10,
     QT_TRANSLATE_NOOP("FingerGuidance", "Remain at the home row position, %1, and press the \"l\" "
                                         "key with your right hand ring finger."),
     true},
    {11,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "The semicolon, %1, is under your right hand little finger."),
     true},
    {12,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "The semicolon, %1, is down one key then under your right middle finger."),
     true},
    {13, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand little finger up one key and "
                                             "slightly to the left to reach the \"q\" key.")},
    {14, QT_TRANSLATE_NOOP("FingerGuidance", "The \"q\" is under your left hand little finger.")},
    {15, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand ring finger up one key and "
                                             "slightly to the left to reach the \"w\" key.")},
    {16, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your left hand little finger down one row to type the \"w\" key")},
    {17, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand middle finger up one key and "
                                             "slightly to the left to reach the \"e\" key.")},
    {18, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand index finger up one key and "
                                             "slightly to the left to reach the \"r\" key.")},
    {19,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "To reach the \"t\" key, move your left hand index finger up one key and to the right.")},
    {20, QT_TRANSLATE_NOOP("FingerGuidance", "This key is a little tricky for beginners. Move your "
                                             "right hand index finger up and to the left.")},
    {21,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your left hand little finger down one row to type the \"y\" key.")},
    {22, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand index finger up one key and "
                                             "slightly to the left to reach the \"u\" key.")},
    {23, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand middle finger up one key and "
                                             "slightly to the left to reach the \"i\" key.")},
    {24, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand ring finger up one key and "
                                             "slightly to the left to reach the \"o\" key.")},
    {25, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand little finger up one key and "
                                             "slightly to the left to reach the \"p\" key.")},
    {26, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand little finger down one key and "
                                             "slightly to the right to reach the \"z\" key.")},
    {27, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "Move your right hand up one row and one key to the left to type the \"z\" key.")},
    {28, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your left hand ring finger up one row to type the \"z\" key.")},
    {29, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand ring finger down one key and "
                                             "slightly to the right to reach the \"x\" key.")},
    {30, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand middle finger down one key and "
                                             "slightly to the right to reach the \"c\" key.")},
    {31, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand index finger down one key and "
                                             "slightly to the right to reach the \"v\" key.")},
    {32, QT_TRANSLATE_NOOP("FingerGuidance",
                           "This is a tricky one for beginners. The \"b\" can be reached equally "
                           "with either hand, but most teach the use of the left hand.")},
    {33, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand index finger down and slightly to the left.")},
    {34, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand index finger down and slightly "
                                             "to the right to reach the \"m\" key.")},
    {35,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "The \"m\" key is on the home row under your right hand little finger.")},
    {36, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand middle finger down and slightly "
                                             "to the right to reach the \",\" key.")},
    {37,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand index finger down one row to type the \",\" key.")},
    {38, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand ring finger down and slightly "
                                             "to the right to reach the \".\" key.")},
    {39, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move the right hand middle finger down one row to type the period.")},
    {40, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"1\" key. Don't forget the shift key.")},
    {41,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move the right hand little finger down one row to type the \"!\" key.")},
    {42, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"9\" key. Don't forget the shift key.")},
    {43, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right middle finger up two rows to type the \"(\" key.")},
    {44, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your left index finger up two rows to type the \"(\" key.")},
    {45, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"0\" key. Don't forget the shift key.")},
    {46, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move the right ring finger up two rows to type the \")\" key.")},
    {47,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "Move your right hand little finger up two rows, and one key to the right to type \")\"")},
    {48,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Your right hand little finger will be used to reach the \"-\" key. It's "
                       "not quite straight up, you will have to slant to the right a little.")},
    {49,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger down one row to type the \"-\" key.")},
    {50,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "Move your left hand index finger up two rows and one key to the right to type \"-\"")},
    {51, QT_TRANSLATE_NOOP("FingerGuidance", "Press the left shift key first, then press the \":\" "
                                             "key with your right hand little finger.")},
    {52, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand ring finger down one row to type the \":\" key.")},
    {53, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand little finger to the right one key.")},
    {54, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand little finger up two rows to type the '' key.")},
    {55, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "Mover your right hand little finger two keys to the right to type the '' key.")},
    {56, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your left hand index finger two rows up to type the '' key.")},
    {57, QT_TRANSLATE_NOOP("FingerGuidance",
                           "To reach the question mark, move your right hand little finger down "
                           "and to the right. Don't forget the shift key.")},
    {58,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger up two rows to type the \"?\" key.")},
    {59,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand index finger down one row to type the \"?\" key.")},
    {60,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "Move your right hand little finger to the right one key. Don't forget the left shift.")},
    {61, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand ring finger up two rows.")},
    {62, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand middle finger up two rows.")},
    {63,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "To reach the \"1\" key, move your left hand little finger two rows up and to the left.")},
    {64,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "To reach the \"2\" key, move your left hand ring finger two rows up and to the left.")},
    {65,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "To reach the \"3\" key, move your left hand middle finger two rows up and to the left.")},
    {66,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "To reach the \"4\" key, move your left hand index finger two rows up and to the left.")},
    {67, QT_TRANSLATE_NOOP("FingerGuidance",
                           "To reach the \"5\" key, move your right hand index finger straight up "
                           "two rows and very slightly to the right.")},
    {68, QT_TRANSLATE_NOOP("FingerGuidance", "To reach the \"6\" key, move your left hand index "
                                             "finger up two rows while moving to the right.")},
    {69,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "To reach the \"7\" key, move your right hand index finger up two rows and to the left.")},
    {70, QT_TRANSLATE_NOOP("FingerGuidance", "To reach the \"8\" key, move your right hand middle "
                                             "finger up two rows and to the left.")},
    {71,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "To reach the \"9\" key, move your right hand ring finger up two rows and to the left.")},
    {72, QT_TRANSLATE_NOOP("FingerGuidance", "To reach the \"0\" key, move your right hand little "
                                             "finger up two rows and to the left.")},
    {73, QT_TRANSLATE_NOOP("FingerGuidance", "The \"`\" key is at the top left of the keyboard.")},
    {74, QT_TRANSLATE_NOOP("FingerGuidance", "Press the right shift key first, then use your left "
                                             "hand little finger to reach this key.")},
    {75, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand little finger two keys to the right.")},
    {76,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger up one row and two keys to the right.")},
    {77, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"2\" key. Don't forget the shift key.")},
    {78, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand little finger one key to to the right.")},
    {79, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your ring finger up two rows to reach the  \"@\" key.")},
    {80, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your left hand little finger up one row to reach the \"@\" key.")},
    {81,
     QT_TRANSLATE_NOOP("FingerGuidance", "The \"@\" key is under your right hand little finger.")},
    {82,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger up two rows to reach the \"@\" key.")},
    {83, QT_TRANSLATE_NOOP("FingerGuidance", "Use your left hand ring finger to type this key.")},
    {84, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "Move your right hand little finger two keys to the right to type the \"#\" key.")},
    {85, QT_TRANSLATE_NOOP("FingerGuidance", "Use your left hand middle finger to type this key.")},
    {86, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "Move your right hand little finger one key to the right to type the \"#\" key.")},
    {87, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your left hand index finger up two rows to type the \"$\" key.")},
    {88,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your left hand little finger up two rows and two keys to the right.")},
    {89, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"5\" key. Don't forget the shift key.")},
    {90, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand little finger one key to the right.")},
    {91, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"6\" key. Don't forget the shift key.")},
    {92, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "Move your right hand little finger up two rows and and two keys to the right.")},
    {93, QT_TRANSLATE_NOOP("FingerGuidance",
                           "Move your right hand ring finger up two rows to type the \"^\" key.")},
    {94, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"7\" key. Don't forget the shift key.")},
    {95,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your left hand index finger up two rows and two keys to the right.")},
    {96,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your left hand little finger up two rows to type the \"&&\" key.")},
    {97, QT_TRANSLATE_NOOP(
             "FingerGuidance",
             "This key is in the same place as the \"8\" key. Don't forget the shift key.")},
    {98,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "Move your right hand little finger up one row and two keys to the right to type \"*\".")},
    {99,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger two keys to the right to type \"*\".")},
    {100,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Your right hand little finger will be used to reach the \"_\" key. It's "
                       "not quite straight up, you will have to slant to the right a little.")},
    {101,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger down one row to type the \"_\" key.")},
    {102, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Move your left hand middle finger up to rows to type the \"_\" key.")},
    {103, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "This key takes a lot of practice to get right. Use your right hand little finger.")},
    {104,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger up two rows to type the \"=\" key.")},
    {105, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "Press the left shift, then use your right hand little finger on the \"+\" key.")},
    {106, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand little finger up one row and "
                                              "two keys to the right to type the \"+\" key.")},
    {107, QT_TRANSLATE_NOOP("FingerGuidance",
                            "This key is pressed with your right hand little finger.")},
    {108,
     QT_TRANSLATE_NOOP(
         "FingerGuidance",
         "Move your right hand little finger up one row and one key to the right to type \"[\".")},
    {109, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Move your middle finger up two rows to type the \"[\" key.")},
    {110, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Move your left hand index finger up two rows to type the \"[\" key.")},
    {111, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "Press the left shift, then use your right hand little finger on the \"{\" key.")},
    {112, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "Move your right hand little finger one key to the right to type the \"{\" key.")},
    {113,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand index finger up two rows to type the \"{\" key.")},
    {114, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand little finger up one row and "
                                              "one key to the right to type the \"{\" key.")},
    {115, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Move your left hand index finger up two rows to type the \"{\" key.")},
    {116, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Move your right hand ring finger up two rows to type the \"]\" key.")},
    {117, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand little finger up two rows and "
                                              "one key to the right to type the \"]\" key.")},
    {118, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "Press the left shift, then use your right hand little finger on the \"}\" key.")},
    {119, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "Move your right hand little finger two keys to the right to type the \"}\" key.")},
    {120,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand little finger up two rows to type the \"}\" key.")},
    {121, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand little finger up one row and "
                                              "two keys to the right to type the \"}\" key.")},
    {122, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand little finger up two rows and "
                                              "two keys to the right to type the \"}\" key.")},
    {123, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "This character is in the same place as the comma. Don't forget the left shift.")},
    {124, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand little finger down on row and "
                                              "slightly to the left to type the \"<\" key.")},
    {125, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "This character is in the same place as the period. Don't forget the left shift.")},
    {126, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "Move your right hand little finger down and to the right to reach the slash.")},
    {127,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand index finger up two rows to type the \"/\" key.")},
    {128,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand ring finger down one row to type the \"/\" key.")},
    {129, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "The key can be in different places on different keyboards. Check your keyboard.")},
    {130, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Move your left hand little finger down one row to type this key.")},
    {131, QT_TRANSLATE_NOOP("FingerGuidance",
                            "This key is all the way to the top left on your keyboard.")},
    {132, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand little finger up two rows and "
                                              "one key to the right to type the \"\\\" key.")},
    {133,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your right hand middle finger up two rows to type the \"\\\" key.")},
    {134, QT_TRANSLATE_NOOP("FingerGuidance", "This key is usually under the backspace.")},
    {135, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand little finger down one row.")},
    {136, QT_TRANSLATE_NOOP("FingerGuidance", "This key is located with the number 1 key.")},
    {137,
     QT_TRANSLATE_NOOP("FingerGuidance", "This key is at the top left part of your keyboard.")},
    {138,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "This is located with the number 6 key. Use your left hand index finger.")},
    {139, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Stay at the home position and use your left hand little finger for "
                            "the \"A\" key. Don't forget the right Shift.")},
    {140,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Use your left hand little finger and move up one key for the \"A\" key.")},
    {141, QT_TRANSLATE_NOOP("FingerGuidance", "Press the right shift key first, then use your left "
                                              "hand ring finger for the \"S\" key.")},
    {142, QT_TRANSLATE_NOOP("FingerGuidance", "Press the right shift key first, then use your left "
                                              "hand middle finger for the \"D\" key.")},
    {143, QT_TRANSLATE_NOOP("FingerGuidance", "Press the right shift key first, then use your left "
                                              "hand index finger for the \"F\" key.")},
    {144, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the right shift key first, then move your left hand index "
                            "finger one key to the right for the \"G\" key.")},
    {145, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the left shift key first, then move your right hand index "
                            "finger one key to the left for the \"H\" key.")},
    {146, QT_TRANSLATE_NOOP("FingerGuidance", "Press the left shift key first, then use your right "
                                              "hand index finger for the \"J\" key.")},
    {147, QT_TRANSLATE_NOOP("FingerGuidance", "Press the left shift key first, then use your right "
                                              "hand middle finger for the \"K\" key.")},
    {148, QT_TRANSLATE_NOOP("FingerGuidance", "Press the left shift key first, then use your right "
                                              "hand ring finger for the \"L\" key.")},
    {149, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand little finger up one key and "
                                              "slightly to the left to reach the \"Q\" key.")},
    {150, QT_TRANSLATE_NOOP("FingerGuidance", "The \"Q\" is under your left hand little finger.")},
    {151, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand ring finger up one key and "
                                              "slightly to the left to reach the \"W\" key.")},
    {152,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Move your left hand little finger down one row to type the \"W\" key")},
    {153, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the right shift key first, then move your left hand middle "
                            "finger up one key and slightly to the left to reach the \"E\" key.")},
    {154, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the right shift key first, then move your left hand index "
                            "finger up one key and slightly to the left to reach the \"R\" key.")},
    {155,
     QT_TRANSLATE_NOOP("FingerGuidance", "Press the right shift key first, then move your left "
                                         "hand index finger up one key and to the right.")},
    {156,
     QT_TRANSLATE_NOOP("FingerGuidance", "Press the left shift key first, then move your left hand "
                                         "little finger down one row to type the \"Y\" key.")},
    {157, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the left shift key first, then move your right hand index "
                            "finger up one key and slightly to the left to reach the \"U\" key.")},
    {158, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the left shift key first, then move your right hand middle "
                            "finger up one key and slightly to the left to reach the \"I\" key.")},
    {159, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the left shift key first, then move your right hand ring finger "
                            "up one key and slightly to the left to reach the \"O\" key.")},
    {160, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the left shift key first, then move your right hand little "
                            "finger up one key and slightly to the left to reach the \"P\" key.")},
    {161, QT_TRANSLATE_NOOP("FingerGuidance", "Move your left hand little finger down one key and "
                                              "slightly to the right to reach the \"Z\" key.")},
    {162, QT_TRANSLATE_NOOP(
              "FingerGuidance",
              "Move your right hand up one row and one key to the left to type the \"Z\" key.")},
    {163, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Move your left hand ring finger up one row to type the \"Z\" key.")},
    {164, QT_TRANSLATE_NOOP("FingerGuidance",
                            "Press the right shift key first, then move your left hand ring finger "
                            "down one key and slightly to the right to reach the \"X\" key.")},
    {165,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Press the right shift key first, then move your left hand middle finger "
                       "down one key and slightly to the right to reach the \"C\" key.")},
    {166,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "Press the right shift key first, then move your left hand index finger "
                       "down one key and slightly to the right to reach the \"V\" key.")},
    {167, QT_TRANSLATE_NOOP("FingerGuidance",
                            "This is a tricky one for beginners. The \"B\" can be reached equally "
                            "with either hand, but most teach the use of the left hand.")},
    {168,
     QT_TRANSLATE_NOOP("FingerGuidance", "Press the left shift key first, then move your right "
                                         "hand index finger down and slightly to the left.")},
    {169, QT_TRANSLATE_NOOP("FingerGuidance", "Move your right hand index finger down and slightly "
                                              "to the right to reach the \"M\" key.")},
    {170,
     QT_TRANSLATE_NOOP("FingerGuidance",
                       "The \"M\" key is on the home row under your right hand little finger.")},
    {171, QT_TRANSLATE_NOOP("FingerGuidance", "Type the blue key before the green.")},
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
