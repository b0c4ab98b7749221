// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyTable.h"
#include "keyboard/Windows1252.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <array>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <utility>

using namespace kf;

// Readable values in failure messages.
namespace kf {
char* toString(const KeyRect& rect) {
    return QTest::toString(QStringLiteral("(%1, %2, %3, %4)")
                               .arg(rect.left)
                               .arg(rect.top)
                               .arg(rect.right)
                               .arg(rect.bottom));
}
char* toString(const LabelPoint& point) {
    return QTest::toString(QStringLiteral("(%1, %2)").arg(point.x).arg(point.y));
}
char* toString(Hand hand) {
    return QTest::toString(hand == Hand::Left ? QStringLiteral("left") : QStringLiteral("right"));
}
} // namespace kf

namespace {

// The key table as published, one row per key code: code, character, its Windows-1252 byte, then
// the key on the English US, English UK, Spanish, German, Italian and French keyboards ("--" where
// that keyboard has none). Capitals are not listed: they follow their small letter. German | is
// Alt Gr on B0 and German ¦ has no key: a German keyboard has no T12 and no key that types ¦.
// clang-format off
const std::array kKeyRows{
    "   1 a   97 | H0 L      | H0 L      | H0 L      | H0 L      | H0 L      | T0 L",
    "   2 s  115 | H1 L      | H1 L      | H1 L      | H1 L      | H1 L      | H1 L",
    "   3 d  100 | H2 L      | H2 L      | H2 L      | H2 L      | H2 L      | H2 L",
    "   4 f  102 | H3 L      | H3 L      | H3 L      | H3 L      | H3 L      | H3 L",
    "   5 g  103 | H4 L      | H4 L      | H4 L      | H4 L      | H4 L      | H4 L",
    "   6 h  104 | H5 R      | H5 R      | H5 R      | H5 R      | H5 R      | H5 R",
    "   7 j  106 | H6 R      | H6 R      | H6 R      | H6 R      | H6 R      | H6 R",
    "   8 k  107 | H7 R      | H7 R      | H7 R      | H7 R      | H7 R      | H7 R",
    "   9 l  108 | H8 R      | H8 R      | H8 R      | H8 R      | H8 R      | H8 R",
    "  10 ;   59 | H9 R      | H9 R      | B8 +LS R  | B8 +LS R  | B8 +LS R  | B8 R",
    "  11 q  113 | T0 L      | T0 L      | T0 L      | T0 L      | T0 L      | H0 L",
    "  12 w  119 | T1 L      | T1 L      | T1 L      | T1 L      | T1 L      | B1 L",
    "  13 e  101 | T2 L      | T2 L      | T2 L      | T2 L      | T2 L      | T2 L",
    "  14 r  114 | T3 L      | T3 L      | T3 L      | T3 L      | T3 L      | T3 L",
    "  15 t  116 | T4 L      | T4 L      | T4 L      | T4 L      | T4 L      | T4 L",
    "  16 y  121 | T5 R      | T5 R      | T5 R      | B1 L      | T5 R      | T5 R",
    "  17 u  117 | T6 R      | T6 R      | T6 R      | T6 R      | T6 R      | T6 R",
    "  18 i  105 | T7 R      | T7 R      | T7 R      | T7 R      | T7 R      | T7 R",
    "  19 o  111 | T8 R      | T8 R      | T8 R      | T8 R      | T8 R      | T8 R",
    "  20 p  112 | T9 R      | T9 R      | T9 R      | T9 R      | T9 R      | T9 R",
    "  21 z  122 | B1 L      | B1 L      | B1 L      | T5 R      | B1 L      | T1 L",
    "  22 x  120 | B2 L      | B2 L      | B2 L      | B2 L      | B2 L      | B2 L",
    "  23 c   99 | B3 L      | B3 L      | B3 L      | B3 L      | B3 L      | B3 L",
    "  24 v  118 | B4 L      | B4 L      | B4 L      | B4 L      | B4 L      | B4 L",
    "  25 b   98 | B5 L      | B5 L      | B5 L      | B5 L      | B5 L      | B5 L",
    "  26 n  110 | B6 R      | B6 R      | B6 R      | B6 R      | B6 R      | B6 R",
    "  27 m  109 | B7 R      | B7 R      | B7 R      | B7 R      | B7 R      | H9 R",
    "  28 ,   44 | B8 R      | B8 R      | B8 R      | B8 R      | B8 R      | B7 R",
    "  29 .   46 | B9 R      | B9 R      | B9 R      | B9 R      | B9 R      | B8 +LS R",
    "  30 !   33 | N1 +RS L  | N1 +RS L  | N1 +RS L  | N1 +RS L  | N1 +RS L  | B10 R",
    "  31 (   40 | N9 +LS R  | N9 +LS R  | N8 +LS R  | N8 +LS R  | N8 +LS R  | N5 L",
    "  32 )   41 | N10 +LS R | N10 +LS R | N9 +LS R  | N9 +LS R  | N9 +LS R  | N11 R",
    "  33 -   45 | N11 R     | N11 R     | B10 R     | B10 R     | B10 R     | N6 L",
    "  34 :   58 | H9 +LS R  | H9 +LS R  | B9 +LS R  | B9 +LS R  | B9 +LS R  | B9 R",
    "  35 '   39 | H10 R     | H10 R     | N11 R     | H11 +LS R | N11 R     | N4 L",
    "  36 ?   63 | B10 +LS R | B10 +LS R | N11 +LS R | N11 +LS R | N11 +LS R | B7 +LS R",
    "  37 \"   34 | H10 +LS R | N2 +RS L  | N2 +RS L  | N2 +RS L  | N2 +RS L  | N3 L",
    "  38 1   49 | N1 L      | N1 L      | N1 L      | N1 L      | N1 L      | N1 +RS L",
    "  39 2   50 | N2 L      | N2 L      | N2 L      | N2 L      | N2 L      | N2 +RS L",
    "  40 3   51 | N3 L      | N3 L      | N3 L      | N3 L      | N3 L      | N3 +RS L",
    "  41 4   52 | N4 L      | N4 L      | N4 L      | N4 L      | N4 L      | N4 +RS L",
    "  42 5   53 | N5 L      | N5 L      | N5 L      | N5 L      | N5 L      | N5 +RS L",
    "  43 6   54 | N6 L      | N6 L      | N6 L      | N6 L      | N6 L      | N6 +RS L",
    "  44 7   55 | N7 R      | N7 R      | N7 R      | N7 R      | N7 R      | N7 +LS R",
    "  45 8   56 | N8 R      | N8 R      | N8 R      | N8 R      | N8 R      | N8 +LS R",
    "  46 9   57 | N9 R      | N9 R      | N9 R      | N9 R      | N9 R      | N9 +LS R",
    "  47 0   48 | N10 R     | N10 R     | N10 R     | N10 R     | N10 R     | N10 +LS R",
    "  48 `   96 | N0 L      | N0 L      | --        | --        | --        | --",
    "  49 ~  126 | N0 +RS L  | H11 +LS R | --        | T11 +AG R | --        | --",
    "  50 @   64 | N2 +RS L  | H10 +LS R | N2 +AG L  | T0 +AG L  | H9 +AG R  | N10 +AG R",
    "  51 #   35 | N3 +RS L  | H11 R     | N3 +AG L  | H11 R     | H10 +AG R | N3 +AG L",
    "  52 $   36 | N4 +RS L  | N4 +RS L  | N4 +RS L  | N4 +RS L  | N4 +RS L  | T11 R",
    "  53 %   37 | N5 +RS L  | N5 +RS L  | N5 +RS L  | N5 +RS L  | N5 +RS L  | H10 +LS R",
    "  54 ^   94 | N6 +RS L  | N6 +RS L  | --        | --        | N12 +LS R | N9 +AG R",
    "  55 &   38 | N7 +LS R  | N7 +LS R  | N6 +RS L  | N6 +RS L  | N6 +RS L  | N1 L",
    "  56 *   42 | N8 +LS R  | N8 +LS R  | T11 +LS R | T11 +LS R | T11 +LS R | H11 R",
    "  57 _   95 | N11 +LS R | N11 +LS R | B10 +LS R | B10 +LS R | B10 +LS R | N8 R",
    "  58 =   61 | N12 R     | N12 R     | N10 +LS R | N10 +LS R | N10 +LS R | N12 R",
    "  59 +   43 | N12 +LS R | N12 +LS R | T11 R     | T11 R     | T11 R     | N12 +LS R",
    "  60 [   91 | T10 R     | T10 R     | T10 +AG R | N8 +AG R  | T10 +AG R | N5 +AG L",
    "  61 {  123 | T10 +LS R | T10 +LS R | H10 +AG R | N7 +AG R  | T10 +LS +AG R | N4 +AG L",
    "  62 ]   93 | T11 R     | T11 R     | T11 +AG R | N9 +AG R  | T11 +AG R | N11 +AG R",
    "  63 }  125 | T11 +LS R | T11 +LS R | H11 +AG R | N10 +AG R | T11 +LS +AG R | N12 +AG R",
    "  64 <   60 | B8 +LS R  | B8 +LS R  | B0 L      | B0 L      | B0 L      | B0 L",
    "  65 >   62 | B9 +LS R  | B9 +LS R  | B0 +RS L  | B0 +RS L  | B0 +RS L  | B0 +RS L",
    "  66 /   47 | B10 R     | B10 R     | N7 +LS R  | N7 +LS R  | N7 +LS R  | B9 +LS R",
    "  67 \\   92 | T12 R     | B0 L      | N0 +AG L  | N11 +AG R | N0 L      | N8 +AG R",
    "  68 |  124 | T12 +LS R | B0 +RS L  | N1 +AG L  | B0 +AG L  | N0 +RS L  | N6 +AG L",
    " 127 á  225 | --        | --        | H0 +´ L   | --        | --        | --",
    " 128 à  224 | --        | --        | --        | --        | H10 R     | N10 R",
    " 129 é  233 | --        | --        | T2 +´ L   | --        | T10 +LS R | N2 L",
    " 130 è  232 | --        | --        | --        | --        | T10 R     | N7 R",
    " 131 í  237 | --        | --        | T7 +´ R   | --        | --        | --",
    " 132 ì  236 | --        | --        | --        | --        | N12 R     | --",
    " 133 ó  243 | --        | --        | T8 +´ R   | --        | --        | --",
    " 134 ò  242 | --        | --        | T8 +` R   | --        | H9 R      | --",
    " 135 ú  250 | --        | --        | T6 +´ R   | --        | --        | --",
    " 136 ù  249 | --        | --        | --        | --        | H11 R     | H10 R",
    " 137 Á  193 | --        | --        | H0 +RS +´ L | --        | --        | --",
    " 138 É  201 | --        | --        | T2 +RS +´ L | --        | --        | --",
    " 139 Í  205 | --        | --        | T7 +LS +´ R | --        | --        | --",
    " 140 Ó  211 | --        | --        | T8 +LS +´ R | --        | --        | --",
    " 141 Ú  218 | --        | --        | T6 +LS +´ R | --        | --        | --",
    " 142 º  186 | --        | --        | N0 L      | --        | --        | --",
    " 143 ª  170 | --        | --        | N0 +RS L  | --        | --        | --",
    " 144 ·  183 | --        | --        | N3 +RS L  | --        | --        | --",
    " 145 ¬  172 | --        | N0 +RS L  | N6 +AG L  | --        | --        | --",
    " 146 ¡  161 | --        | --        | N12 R     | --        | --        | --",
    " 147 ¿  191 | --        | --        | N12 +LS R | --        | --        | --",
    " 148 ç  231 | --        | --        | H11 R     | --        | H9 +LS R  | N9 R",
    " 149 Ç  199 | --        | --        | H11 +LS R | --        | --        | --",
    " 150 ¦  166 | --        | N0 +AG L  | --        | --        | --        | --",
    " 151 £  163 | --        | N3 +RS L  | --        | --        | N3 +RS L  | T11 +LS R",
    " 152 °  176 | --        | --        | --        | N0 +RS L  | H10 +LS R | N11 +LS R",
    " 153 ²  178 | --        | --        | --        | N2 +AG L  | --        | N0 L",
    " 154 §  167 | --        | --        | --        | N3 +RS L  | H11 +LS R | B10 +LS R",
    " 155 ³  179 | --        | --        | --        | N3 +AG L  | --        | --",
    " 156 ß  223 | --        | --        | --        | N11 R     | --        | --",
    " 157 ü  252 | --        | --        | --        | T10 R     | --        | --",
    " 158 Ü  220 | --        | --        | --        | T10 +LS R | --        | --",
    " 159 ö  246 | --        | --        | --        | H9 R      | --        | --",
    " 160 Ö  214 | --        | --        | --        | H9 +LS R  | --        | --",
    " 161 ä  228 | --        | --        | --        | H10 R     | --        | --",
    " 162 Ä  196 | --        | --        | --        | H10 +LS R | --        | --",
    " 163 µ  181 | --        | --        | --        | B7 +AG R  | --        | H11 +LS R",
    " 164 ¤  164 | --        | --        | --        | --        | --        | T11 +AG R",
    " 165 Ñ  209 | --        | --        | H9 +LS R  | --        | --        | --",
    " 166 ñ  241 | --        | --        | H9 R      | --        | --        | --",
};
// clang-format on

// The key rectangles (left, top, right, bottom) and label points, with the characters that are
// drawn at another point on that key.
// clang-format off
const std::array kSlotRows{
    "N0    15  14  47  52  (27, 24)",
    "N1    52  14  84  52  (64, 24); (64, 30) for 1",
    "N2    89  14 121  52  (99, 24); (99, 30) for 2",
    "N3   126  14 158  52  (138, 24); (138, 30) for 3",
    "N4   163  14 195  52  (173, 24); (173, 30) for 4",
    "N5   200  14 232  52  (211, 24); (212, 30) for 5",
    "N6   237  14 269  52  (250, 24); (251, 30) for 6",
    "N7   274  14 306  52  (286, 24); (286, 30) for 7",
    "N8   311  14 343  52  (324, 24); (325, 30) for 8",
    "N9   348  14 380  52  (360, 23); (360, 30) for 9",
    "N10  385  14 417  52  (398, 23); (395, 30) for 0",
    "N11  422  14 454  52  (434, 24)",
    "N12  459  14 491  52  (471, 24)",
    "T0    70  56 102  94  (79, 58)",
    "T1   107  56 139  94  (114, 58)",
    "T2   144  56 176  94  (156, 58)",
    "T3   181  56 213  94  (193, 58)",
    "T4   218  56 250  94  (227, 58)",
    "T5   255  56 287  94  (265, 58)",
    "T6   292  56 324  94  (303, 58)",
    "T7   329  56 361  94  (342, 58)",
    "T8   366  56 398  94  (376, 58)",
    "T9   403  56 435  94  (415, 58)",
    "T10  440  56 472  94  (454, 65); (452, 65) for Ü ü",
    "T11  477  56 509  94  (491, 65)",
    "T12  515  56 568  94  (523, 66)",
    "H0    81  98 113 136  (91, 100)",
    "H1   118  98 150 136  (129, 100)",
    "H2   155  98 187 136  (165, 100)",
    "H3   192  98 224 136  (204, 100)",
    "H4   229  98 261 136  (240, 100)",
    "H5   266  98 298 136  (275, 100)",
    "H6   303  98 335 136  (314, 100)",
    "H7   340  98 373 136  (349, 100)",
    "H8   377  98 410 136  (387, 100)",
    "H9   414  98 446 136  (427, 100); (426, 107) for @ ç ò; (430, 110) for : ;; (425, 100) for Ñ",
    "H10  451  98 484 136  (464, 107)",
    "H11  488  98 519 136  (498, 106); (498, 107) for ù",
    "B0    63 140  95 178  (76, 147); (76, 148) for ¦",
    "B1   101 140 133 178  (111, 142)",
    "B2   138 140 170 178  (148, 142)",
    "B3   175 140 207 178  (183, 142)",
    "B4   212 140 244 178  (221, 142)",
    "B5   248 140 280 178  (259, 142)",
    "B6   285 140 317 178  (297, 142)",
    "B7   322 140 354 178  (332, 142)",
    "B8   359 140 391 178  (374, 149)",
    "B9   396 140 428 178  (408, 149)",
    "B10  433 140 465 178  (445, 148)",
};
// clang-format on

// Statistics indices in order from the first index of each line; "A/a" shares one index.
// clang-format off
const std::array kStatisticsRows{
    "1: A/a S/s D/d F/f G/g H/h J/j K/k L/l ;",
    "11: Q/q W/w E/e R/r T/t Y/y U/u I/i O/o P/p",
    "21: Z/z X/x C/c V/v B/b N/n M/m",
    "28: , . - ? \" ' ( ) ! :",
    "38: 1 2 3 4 5 6 7 8 9 0",
    "48: ` ~ @ # $ % ^ & * _ = + [ { ] } \\ | < > /",
    "69: á à é è í ì ó ò ú ù Á É Í Ó Ú",
    "84: ß ü Ü ö Ö ä Ä Ñ ñ",
    "93: º ª · ¬ ¡ ¿ ç Ç ¦ £ ° ² § ³ µ ¤",
};
// clang-format on

// The labels of each labelled keyboard picture in drawing order: label, then x,y.
// clang-format off
const std::array kLabelRows{
    "English US:",
    "~ 20,16  ` 20,31  1 58,30  ! 60,14  @ 93,14  2 95,30  # 132,15  3 132,30  $ 168,15",
    "4 168,30  % 205,15  5 206,30  ^ 243,15  6 243,30  & 280,15  7 280,30  * 317,15  8 317,30",
    "( 354,14  9 354,30  0 391,30  ) 392,14  _ 428,15  - 428,30  + 465,15  = 465,30  Q 75,57",
    "W 112,57  E 149,57  R 186,57  T 224,57  Y 261,57  U 297,57  I 335,57  O 371,57  P 408,57",
    "{ 445,55  [ 446,71  } 483,55  ] 483,71  | 524,55  \\ 524,71  A 86,99  S 122,99  D 159,99",
    "F 198,99  G 235,99  H 271,99  J 309,99  K 346,99  L 383,99  : 421,98  ; 421,113  \" 458,98",
    "' 458,113  Z 107,141  X 144,141  C 181,141  V 218,141  B 255,141  N 292,141  M 328,141",
    "< 365,141  , 366,154  > 403,141  . 403,154  ? 440,141  / 441,155",
    "English UK:",
    "¬ 20,14  ` 20,31  | 31,29  1 58,30  ! 60,14  \" 95,14  2 95,30  £ 132,15  3 132,30",
    "$ 168,15  4 168,30  % 205,15  5 206,30  ^ 243,15  6 243,30  & 280,15  7 280,30  * 317,15",
    "8 317,30  ( 354,14  9 354,30  0 391,30  ) 392,14  _ 428,15  - 428,30  + 465,15  = 465,30",
    "Q 75,57  W 112,57  E 149,57  É 160,57  é 160,72  R 186,57  T 224,57  Y 261,57  U 296,57",
    "Ú 308,57  ú 310,72  I 334,57  Í 347,57  í 348,72  O 370,57  Ó 383,57  ó 384,72  P 408,57",
    "{ 445,55  [ 446,71  } 483,55  ] 483,71  A 85,99  Á 98,99  á 98,114  S 122,99  D 159,99",
    "F 198,99  G 235,99  H 271,99  J 309,99  K 346,99  L 383,99  : 421,98  ; 421,113  @ 456,98",
    "' 458,115  ~ 495,99  # 495,114  | 71,139  \\ 71,156  Z 107,141  X 144,141  C 181,141",
    "V 218,141  B 255,141  N 292,141  M 328,141  < 365,141  , 365,154  > 403,141  . 403,154",
    "? 440,141  / 441,155",
    "Spanish:",
    "ª 20,15  º 20,31  \\ 33,29  1 58,30  ! 60,14  | 70,30  2 94,30  \" 95,14  @ 103,30  · 132,15",
    "3 132,30  # 143,30  $ 168,15  4 168,30  % 205,15  5 206,30  & 243,15  6 243,30  ¬ 255,30",
    "/ 280,15  7 280,30  ( 317,14  8 317,30  9 354,30  ) 355,14  0 391,30  = 392,14  ? 428,15",
    "' 428,30  ¿ 465,14  ¡ 465,29  Q 75,57  W 112,57  E 149,57  R 186,57  T 224,57  Y 261,57",
    "U 297,57  I 335,57  O 371,57  P 408,57  ^ 445,56  ` 446,71  [ 459,70  * 483,56  + 483,71",
    "] 497,70  A 86,99  S 122,99  D 159,99  F 198,99  G 235,99  H 271,99  J 309,99  K 346,99",
    "L 383,99  Ñ 421,100  ¨ 457,100  ´ 458,113  { 469,113  Ç 493,97  } 507,113  > 71,139",
    "< 71,156  Z 107,141  X 144,141  C 181,141  V 218,141  B 255,141  N 292,141  M 328,141",
    "; 366,141  , 366,154  : 403,141  . 403,154  _ 440,140  - 440,155",
    "German:",
    "° 20,15  ^ 20,30  1 58,30  ! 60,15  2 94,30  \" 95,15  ² 107,30  § 132,15  3 132,30",
    "³ 144,30  $ 168,15  4 168,30  % 205,15  5 206,30  & 243,15  6 243,30  / 280,15  7 280,30",
    "{ 293,29  ( 317,14  8 317,30  [ 331,29  9 354,30  ) 355,14  ] 369,29  0 391,30  = 392,14",
    "} 406,29  ? 428,15  ß 428,30  \\ 442,30  ` 465,15  ´ 465,30  Q 75,57  @ 84,71  W 112,57",
    "E 149,57  R 186,57  T 224,57  Z 261,57  U 297,57  I 335,57  O 371,57  P 408,57  Ü 446,57",
    "* 482,56  + 482,71  ~ 496,72  A 86,99  S 122,99  D 159,99  F 198,99  G 235,99  H 271,99",
    "J 309,99  K 346,99  L 383,99  Ö 420,100  Ä 456,100  # 494,114  ' 495,100  > 70,139",
    "< 70,156  | 84,156  Y 107,141  X 144,141  C 181,141  V 218,141  B 255,141  N 292,141",
    "M 328,141  µ 340,155  ; 366,141  , 366,154  : 403,141  . 403,154  _ 440,140  - 440,155",
    "Italian:",
    "| 20,15  \\ 20,30  1 58,30  ! 60,15  2 94,30  \" 95,15  £ 132,15  3 132,30  $ 168,15",
    "4 168,30  % 205,15  5 206,30  & 243,15  6 243,30  / 280,15  7 280,30  ( 317,14  8 317,30",
    "9 354,30  ) 355,14  0 391,30  = 392,14  ? 428,15  ' 428,30  ^ 465,15  Ì 465,30  Q 75,57",
    "W 112,57  E 149,57  R 186,57  T 224,57  Y 261,57  U 297,57  I 335,57  O 371,57  P 408,57",
    "é 445,56  è 446,71  { 459,55  [ 460,71  * 482,57  + 482,71  } 496,55  ] 496,71  A 86,99",
    "S 122,99  D 159,99  F 198,99  G 235,99  H 271,99  J 309,99  K 346,99  L 383,99  Ç 417,97",
    "ò 418,115  @ 428,115  ° 456,99  à 456,115  # 469,114  § 495,99  ù 495,115  > 71,139",
    "< 71,156  Z 107,141  X 144,141  C 181,141  V 218,141  B 255,141  N 292,141  M 328,141",
    "; 366,141  , 366,154  : 403,141  . 403,154  _ 440,140  - 440,155",
    "French:",
    "² 20,30  & 58,30  1 60,15  é 94,30  2 95,15  ~ 104,32  3 132,15  \" 132,30  # 144,30",
    "4 168,15  ' 168,30  { 180,29  5 205,15  ( 206,29  [ 219,29  6 243,15  - 243,30  | 257,30",
    "7 280,15  è 280,30  ` 293,30  8 317,15  _ 317,29  \\ 331,29  9 354,14  ç 354,29  ^ 369,29",
    "à 390,30  0 391,14  @ 400,29  ° 428,15  ) 429,29  ] 442,29  + 465,14  = 465,30  } 478,29",
    "A 75,57  Z 112,57  E 149,57  R 186,57  T 224,57  Y 261,57  U 297,57  I 335,57  O 371,57",
    "P 408,57  ^ 446,72  ¨ 447,58  £ 482,56  $ 482,71  ¤ 496,71  Q 86,99  S 122,99  D 159,99",
    "F 198,99  G 235,99  H 271,99  J 309,99  K 346,99  L 383,99  M 421,99  % 456,99  ù 456,115",
    "µ 495,97  * 495,117  > 71,139  < 71,156  W 107,141  X 144,141  C 181,141  V 218,141",
    "B 255,141  N 292,141  ? 329,141  , 330,154  . 366,140  ; 366,154  / 403,140  : 403,154",
    "§ 440,140  ! 440,155",
};
// clang-format on

template <std::size_t N>
QStringList rowsOf(const std::array<const char*, N>& rows) {
    QStringList lines;
    for (const char* row : rows) {
        lines << QString::fromUtf8(row);
    }
    return lines;
}

const std::array<const char*, kNationalityCount> kNationalityNames{
    "English US", "English UK", "Spanish", "German", "Italian", "French"};

const char* nationalityName(int nationality) {
    return kNationalityNames.at(static_cast<std::size_t>(nationality));
}

// The capitals' key codes, numbered like their rows of small letters.
const std::array<std::pair<KeyCode, const char*>, 3> kCapitalRuns{{
    {101, "ASDFGHJKL"},
    {110, "QWERTYUIOP"},
    {120, "ZXCVBNM"},
}};

struct ExpectedCell {
    bool present = false;
    QString slot;
    std::uint8_t modifiers = 0;
    Hand hand = Hand::Left;
};

struct ExpectedSlot {
    KeyRect rect;
    LabelPoint labelPoint;
    std::map<AnsiChar, LabelPoint> exceptions;
};

struct Transcription {
    std::map<KeyCode, AnsiChar> characters;
    std::map<KeyCode, std::array<ExpectedCell, kNationalityCount>> cells;
    std::map<QString, ExpectedSlot> keySlots;
    QStringList errors;
};

std::optional<AnsiChar> ansiOf(const QString& text) {
    if (text.size() != 1) {
        return std::nullopt;
    }
    return toWindows1252(text.at(0));
}

QString describe(AnsiChar character) {
    return QStringLiteral("%1 '%2'").arg(character).arg(fromWindows1252(character));
}

std::uint8_t modifierOf(const QString& token, bool* ok) {
    static const std::map<QString, std::uint8_t> modifiers{
        {QStringLiteral("+LS"), kLeftShift}, {QStringLiteral("+RS"), kRightShift},
        {QStringLiteral("+AG"), kAltGr},     {QStringLiteral("+´"), kDeadAcute},
        {QStringLiteral("+`"), kDeadGrave},
    };
    const auto found = modifiers.find(token);
    *ok = found != modifiers.end();
    return *ok ? found->second : 0;
}

ExpectedCell parseCell(const QString& text, QStringList* errors, const QString& where) {
    const QStringList tokens = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens == QStringList{QStringLiteral("--")}) {
        return {};
    }
    ExpectedCell cell;
    if (tokens.size() < 2 ||
        (tokens.last() != QLatin1String("L") && tokens.last() != QLatin1String("R"))) {
        errors->append(where + QStringLiteral(": unreadable cell ") + text);
        return cell;
    }
    cell.present = true;
    cell.slot = tokens.first();
    cell.hand = tokens.last() == QLatin1String("L") ? Hand::Left : Hand::Right;
    for (qsizetype i = 1; i + 1 < tokens.size(); ++i) {
        bool ok = false;
        cell.modifiers |= modifierOf(tokens.at(i), &ok);
        if (!ok) {
            errors->append(where + QStringLiteral(": unknown modifier ") + tokens.at(i));
        }
    }
    return cell;
}

void parseKeyRows(Transcription* t) {
    const QStringList lines = rowsOf(kKeyRows);
    for (const QString& line : lines) {
        // The character may itself be "|", so the first three words are taken before splitting.
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString where = QStringLiteral("row ") + line.left(20);
        bool codeOk = false;
        bool byteOk = false;
        const int code = words.value(0).toInt(&codeOk);
        const int byte = words.value(2).toInt(&byteOk);
        const std::optional<AnsiChar> character = ansiOf(words.value(1));
        if (!codeOk || !byteOk || !character || *character != byte) {
            t->errors.append(where + QStringLiteral(": code, character and byte disagree"));
            continue;
        }
        const qsizetype cellsStart = line.indexOf(QLatin1Char('|'), line.indexOf(words.at(2)));
        const QStringList cellTexts = line.mid(cellsStart + 1).split(QLatin1Char('|'));
        if (cellTexts.size() != kNationalityCount) {
            t->errors.append(where + QStringLiteral(": not six cells"));
            continue;
        }
        const auto keyCode = static_cast<KeyCode>(code);
        if (t->characters.count(keyCode) != 0) {
            t->errors.append(where + QStringLiteral(": code listed twice"));
        }
        t->characters[keyCode] = *character;
        for (int n = 0; n < kNationalityCount; ++n) {
            t->cells[keyCode][static_cast<std::size_t>(n)] =
                parseCell(cellTexts.at(n), &t->errors, where);
        }
    }
}

// "(427, 100); (426, 107) for @ ç ò; (430, 110) for : ;; (425, 100) for Ñ"
void parseLabelPoints(const QString& text, ExpectedSlot* slot, QStringList* errors,
                      const QString& where) {
    const QStringList parts = text.split(QStringLiteral("; ("));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts.at(i);
        part.remove(QLatin1Char('('));
        const qsizetype close = part.indexOf(QLatin1Char(')'));
        const QStringList xy = part.left(close).split(QLatin1Char(','));
        const LabelPoint point{xy.value(0).trimmed().toInt(), xy.value(1).trimmed().toInt()};
        if (close < 0 || xy.size() != 2) {
            errors->append(where + QStringLiteral(": unreadable label point ") + part);
            continue;
        }
        if (i == 0) {
            slot->labelPoint = point;
            continue;
        }
        const QString forWhat = part.mid(close + 1).trimmed();
        if (!forWhat.startsWith(QLatin1String("for "))) {
            errors->append(where + QStringLiteral(": label point for whom? ") + part);
            continue;
        }
        for (const QString& token : forWhat.mid(4).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const std::optional<AnsiChar> character = ansiOf(token);
            if (!character) {
                errors->append(where + QStringLiteral(": not one character: ") + token);
                continue;
            }
            slot->exceptions[*character] = point;
        }
    }
}

void parseSlotRows(Transcription* t) {
    const QStringList lines = rowsOf(kSlotRows);
    for (const QString& line : lines) {
        const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ExpectedSlot slot;
        slot.rect = {words.value(1).toInt(), words.value(2).toInt(), words.value(3).toInt(),
                     words.value(4).toInt()};
        const qsizetype pointsStart = line.indexOf(QLatin1Char('('));
        parseLabelPoints(line.mid(pointsStart), &slot, &t->errors,
                         QStringLiteral("slot ") + words.value(0));
        t->keySlots[words.value(0)] = slot;
    }
}

Transcription readTranscription() {
    Transcription t;
    parseKeyRows(&t);
    parseSlotRows(&t);
    return t;
}

const Transcription& transcription() {
    static const Transcription t = readTranscription();
    return t;
}

// B8 is one pixel wider to the left for these characters on these keyboards.
bool hasWideB8(AnsiChar character, int nationality) {
    const std::set<std::pair<int, AnsiChar>> wide{{0, '<'}, {1, '<'}, {5, ';'}, {5, '.'}};
    return wide.count({nationality, character}) != 0;
}

struct Expected {
    bool present = false;
    AnsiChar character = 0;
    KeyRect rect;
    LabelPoint labelPoint;
    std::uint8_t modifiers = 0;
    Hand hand = Hand::Left;
};

Expected expectedFromCell(const ExpectedCell& cell, AnsiChar character, int nationality) {
    Expected expected;
    expected.character = character;
    if (!cell.present) {
        return expected;
    }
    const ExpectedSlot& slot = transcription().keySlots.at(cell.slot);
    expected.present = true;
    expected.rect = slot.rect;
    if (cell.slot == QLatin1String("B8") && hasWideB8(character, nationality)) {
        expected.rect.left = 358;
    }
    const auto exception = slot.exceptions.find(character);
    expected.labelPoint = exception != slot.exceptions.end() ? exception->second : slot.labelPoint;
    expected.modifiers = cell.modifiers;
    expected.hand = cell.hand;
    return expected;
}

std::optional<KeyCode> listedCodeOf(AnsiChar character) {
    for (const auto& [code, listed] : transcription().characters) {
        if (listed == character) {
            return code;
        }
    }
    return std::nullopt;
}

// A capital is typed on its small letter's key with the other hand's Shift held.
Expected expectedCapital(AnsiChar capital, int nationality) {
    const auto small = static_cast<AnsiChar>(capital - 'A' + 'a');
    ExpectedCell cell =
        transcription().cells.at(*listedCodeOf(small))[static_cast<std::size_t>(nationality)];
    cell.modifiers |= cell.hand == Hand::Left ? kRightShift : kLeftShift;
    return expectedFromCell(cell, capital, nationality);
}

Expected expectedEntry(KeyCode code, int nationality) {
    for (const auto& [first, letters] : kCapitalRuns) {
        const qsizetype length = static_cast<qsizetype>(std::strlen(letters));
        if (code >= first && code < first + length) {
            return expectedCapital(static_cast<AnsiChar>(letters[code - first]), nationality);
        }
    }
    const auto row = transcription().cells.find(code);
    if (row == transcription().cells.end()) {
        return {};
    }
    return expectedFromCell(row->second[static_cast<std::size_t>(nationality)],
                            transcription().characters.at(code), nationality);
}

std::map<AnsiChar, KeyCode> expectedCodesOfCharacters() {
    std::map<AnsiChar, KeyCode> codes;
    for (const auto& [code, character] : transcription().characters) {
        codes[character] = code;
    }
    for (const auto& [first, letters] : kCapitalRuns) {
        for (std::size_t i = 0; letters[i] != 0; ++i) {
            codes[static_cast<AnsiChar>(letters[i])] = static_cast<KeyCode>(first + i);
        }
    }
    return codes;
}

} // namespace

class TestKeyTable : public QObject {
    Q_OBJECT

private slots:
    void transcriptionIsReadable();
    void everyCell_data();
    void everyCell();
    void capitalsUseTheOtherHandsShift_data();
    void capitalsUseTheOtherHandsShift();
    void frenchMovesLetters_data();
    void frenchMovesLetters();
    void frenchDigitsNeedShift_data();
    void frenchDigitsNeedShift();
    void semicolonPerLayout_data();
    void semicolonPerLayout();
    void graveAccentOnlyInEnglish();
    void labelPointExceptions_data();
    void labelPointExceptions();
    void germanBarIsAltGrOnB0();
    void characterAndKeyCodeRoundTrip();
    void everyCharacterMapsToItsListedCode();
    void statisticsIndexOfEveryCharacter();
    void statisticsIndexExamples_data();
    void statisticsIndexExamples();
    void typingHandOfEveryCharacter();
    void unknownNationalityHasNoKeys();
    void pictureLabels_data();
    void pictureLabels();
};

void TestKeyTable::transcriptionIsReadable() {
    const Transcription& t = transcription();
    QVERIFY2(t.errors.isEmpty(), qPrintable(t.errors.join(QLatin1Char('\n'))));
    QCOMPARE(t.characters.size(), std::size_t{108});
    QCOMPARE(t.keySlots.size(), std::size_t{49});
    for (const auto& [code, cells] : t.cells) {
        for (const ExpectedCell& cell : cells) {
            QVERIFY2(!cell.present || t.keySlots.count(cell.slot) != 0,
                     qPrintable(
                         QStringLiteral("code %1 names unknown slot %2").arg(code).arg(cell.slot)));
        }
    }
}

void TestKeyTable::everyCell_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("nationality");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("bottom");
    QTest::addColumn<int>("labelX");
    QTest::addColumn<int>("labelY");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("hand");

    // Past the last code too, so that nothing answers for codes that name no character.
    for (int code = 0; code <= 170; ++code) {
        for (int n = 0; n < kNationalityCount; ++n) {
            const Expected e = expectedEntry(static_cast<KeyCode>(code), n);
            QTest::addRow("code %d %s %s", code, qPrintable(describe(e.character)),
                          nationalityName(n))
                << code << n << e.present << int{e.character} << e.rect.left << e.rect.top
                << e.rect.right << e.rect.bottom << e.labelPoint.x << e.labelPoint.y
                << int{e.modifiers} << static_cast<int>(e.hand);
        }
    }
}

void TestKeyTable::everyCell() {
    QFETCH(int, code);
    QFETCH(int, nationality);
    QFETCH(bool, present);
    QFETCH(int, character);

    QCOMPARE(int{characterOfKeyCode(static_cast<KeyCode>(code))}, character);
    const std::optional<KeyEntry> entry =
        keyEntry(static_cast<KeyCode>(code), static_cast<Nationality>(nationality));
    QCOMPARE(entry.has_value(), present);
    if (!present) {
        return;
    }
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, right);
    QFETCH(int, bottom);
    QFETCH(int, labelX);
    QFETCH(int, labelY);
    QFETCH(int, modifiers);
    QFETCH(int, hand);
    QCOMPARE(int{entry->character}, character);
    QCOMPARE(entry->rect.left, left);
    QCOMPARE(entry->rect.top, top);
    QCOMPARE(entry->rect.right, right);
    QCOMPARE(entry->rect.bottom, bottom);
    QCOMPARE(entry->labelPoint.x, labelX);
    QCOMPARE(entry->labelPoint.y, labelY);
    QCOMPARE(int{entry->modifiers}, modifiers);
    QCOMPARE(static_cast<int>(entry->hand), hand);
}

void TestKeyTable::capitalsUseTheOtherHandsShift_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Hand>("hand");

    QTest::newRow("A US") << int{'A'} << Nationality::EnglishUS << 81 << int{kRightShift}
                          << Hand::Left;
    QTest::newRow("H US") << int{'H'} << Nationality::EnglishUS << 266 << int{kLeftShift}
                          << Hand::Right;
    QTest::newRow("M UK") << int{'M'} << Nationality::EnglishUK << 322 << int{kLeftShift}
                          << Hand::Right;
    QTest::newRow("B Spanish") << int{'B'} << Nationality::Spanish << 248 << int{kRightShift}
                               << Hand::Left;
    QTest::newRow("Z German") << int{'Z'} << Nationality::German << 255 << int{kLeftShift}
                              << Hand::Right;
    QTest::newRow("Y German") << int{'Y'} << Nationality::German << 101 << int{kRightShift}
                              << Hand::Left;
    QTest::newRow("Y Italian") << int{'Y'} << Nationality::Italian << 255 << int{kLeftShift}
                               << Hand::Right;
    QTest::newRow("A French") << int{'A'} << Nationality::French << 70 << int{kRightShift}
                              << Hand::Left;
    QTest::newRow("M French") << int{'M'} << Nationality::French << 414 << int{kLeftShift}
                              << Hand::Right;
}

void TestKeyTable::capitalsUseTheOtherHandsShift() {
    QFETCH(int, character);
    QFETCH(Nationality, nationality);
    QFETCH(int, left);
    QFETCH(int, modifiers);
    QFETCH(Hand, hand);

    const std::optional<KeyCode> code = keyCodeOfCharacter(static_cast<AnsiChar>(character));
    QVERIFY(code.has_value());
    QVERIFY(*code >= 101 && *code <= 126);
    const std::optional<KeyEntry> entry = keyEntry(*code, nationality);
    QVERIFY(entry.has_value());
    QCOMPARE(int{entry->character}, character);
    QCOMPARE(entry->rect.left, left);
    QCOMPARE(int{entry->modifiers}, modifiers);
    QCOMPARE(entry->hand, hand);
    QCOMPARE(typingHand(static_cast<AnsiChar>(character), nationality), std::optional<Hand>(hand));
}

void TestKeyTable::frenchMovesLetters_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("a on T0") << int{'a'} << 70 << 56;
    QTest::newRow("q on H0") << int{'q'} << 81 << 98;
    QTest::newRow("z on T1") << int{'z'} << 107 << 56;
    QTest::newRow("w on B1") << int{'w'} << 101 << 140;
    QTest::newRow("m on H9") << int{'m'} << 414 << 98;
}

void TestKeyTable::frenchMovesLetters() {
    QFETCH(int, character);
    QFETCH(int, left);
    QFETCH(int, top);

    const std::optional<KeyEntry> entry =
        keyEntry(*keyCodeOfCharacter(static_cast<AnsiChar>(character)), Nationality::French);
    QVERIFY(entry.has_value());
    QCOMPARE(entry->rect.left, left);
    QCOMPARE(entry->rect.top, top);
    QCOMPARE(int{entry->modifiers}, int{kNoModifier});
}

void TestKeyTable::frenchDigitsNeedShift_data() {
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<Hand>("hand");

    for (char digit = '1'; digit <= '6'; ++digit) {
        QTest::addRow("%c", digit) << int{digit} << int{kRightShift} << Hand::Left;
    }
    for (char digit : {'7', '8', '9', '0'}) {
        QTest::addRow("%c", digit) << int{digit} << int{kLeftShift} << Hand::Right;
    }
}

void TestKeyTable::frenchDigitsNeedShift() {
    QFETCH(int, digit);
    QFETCH(int, modifiers);
    QFETCH(Hand, hand);

    const KeyCode code = *keyCodeOfCharacter(static_cast<AnsiChar>(digit));
    const std::optional<KeyEntry> french = keyEntry(code, Nationality::French);
    const std::optional<KeyEntry> english = keyEntry(code, Nationality::EnglishUS);
    QVERIFY(french && english);
    QCOMPARE(int{french->modifiers}, modifiers);
    QCOMPARE(french->hand, hand);
    QCOMPARE(int{english->modifiers}, int{kNoModifier});
    // Same key and the same lowered label as the unshifted digit elsewhere.
    QCOMPARE(french->rect, english->rect);
    QCOMPARE(french->labelPoint, english->labelPoint);
    QCOMPARE(french->labelPoint.y, 30);
}

void TestKeyTable::semicolonPerLayout_data() {
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<KeyRect>("rect");
    QTest::addColumn<LabelPoint>("labelPoint");
    QTest::addColumn<int>("modifiers");

    const KeyRect h9{414, 98, 446, 136};
    const KeyRect b8{359, 140, 391, 178};
    const KeyRect wideB8{358, 140, 391, 178};
    QTest::newRow("English US") << Nationality::EnglishUS << h9 << LabelPoint{430, 110} << 0;
    QTest::newRow("English UK") << Nationality::EnglishUK << h9 << LabelPoint{430, 110} << 0;
    QTest::newRow("Spanish") << Nationality::Spanish << b8 << LabelPoint{374, 149}
                             << int{kLeftShift};
    QTest::newRow("German") << Nationality::German << b8 << LabelPoint{374, 149} << int{kLeftShift};
    QTest::newRow("Italian") << Nationality::Italian << b8 << LabelPoint{374, 149}
                             << int{kLeftShift};
    QTest::newRow("French") << Nationality::French << wideB8 << LabelPoint{374, 149} << 0;
}

void TestKeyTable::semicolonPerLayout() {
    QFETCH(Nationality, nationality);
    QFETCH(KeyRect, rect);
    QFETCH(LabelPoint, labelPoint);
    QFETCH(int, modifiers);

    QCOMPARE(keyCodeOfCharacter(';'), std::optional<KeyCode>(10));
    const std::optional<KeyEntry> entry = keyEntry(10, nationality);
    QVERIFY(entry.has_value());
    QCOMPARE(entry->rect, rect);
    QCOMPARE(entry->labelPoint, labelPoint);
    QCOMPARE(int{entry->modifiers}, modifiers);
    QCOMPARE(entry->hand, Hand::Right);
}

void TestKeyTable::graveAccentOnlyInEnglish() {
    QCOMPARE(characterOfKeyCode(48), AnsiChar{'`'});
    QVERIFY(keyEntry(48, Nationality::EnglishUS).has_value());
    QVERIFY(keyEntry(48, Nationality::EnglishUK).has_value());
    for (Nationality n :
         {Nationality::Spanish, Nationality::German, Nationality::Italian, Nationality::French}) {
        QVERIFY2(!keyEntry(48, n).has_value(), nationalityName(static_cast<int>(n)));
        QVERIFY(!typingHand('`', n).has_value());
    }
}

void TestKeyTable::labelPointExceptions_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<LabelPoint>("labelPoint");

    QTest::newRow("1 lowered") << int{'1'} << Nationality::EnglishUS << LabelPoint{64, 30};
    QTest::newRow("! on the same key") << int{'!'} << Nationality::EnglishUS << LabelPoint{64, 24};
    QTest::newRow("5 lowered and nudged") << int{'5'} << Nationality::German << LabelPoint{212, 30};
    QTest::newRow("French 0") << int{'0'} << Nationality::French << LabelPoint{395, 30};
    QTest::newRow("French à on the 0 key") << 224 << Nationality::French << LabelPoint{398, 23};
    QTest::newRow("Spanish Ñ") << 209 << Nationality::Spanish << LabelPoint{425, 100};
    QTest::newRow("Spanish ñ") << 241 << Nationality::Spanish << LabelPoint{427, 100};
    QTest::newRow("Italian @") << int{'@'} << Nationality::Italian << LabelPoint{426, 107};
    QTest::newRow("Italian ç") << 231 << Nationality::Italian << LabelPoint{426, 107};
    QTest::newRow("Italian ò") << 242 << Nationality::Italian << LabelPoint{426, 107};
    QTest::newRow("US :") << int{':'} << Nationality::EnglishUS << LabelPoint{430, 110};
    QTest::newRow("German ö") << 246 << Nationality::German << LabelPoint{427, 100};
    QTest::newRow("German ü") << 252 << Nationality::German << LabelPoint{452, 65};
    QTest::newRow("German Ü") << 220 << Nationality::German << LabelPoint{452, 65};
    QTest::newRow("Italian ù") << 249 << Nationality::Italian << LabelPoint{498, 107};
    QTest::newRow("French ù on H10") << 249 << Nationality::French << LabelPoint{464, 107};
    QTest::newRow("UK ¦ on N0") << 166 << Nationality::EnglishUK << LabelPoint{27, 24};
}

void TestKeyTable::labelPointExceptions() {
    QFETCH(int, character);
    QFETCH(Nationality, nationality);
    QFETCH(LabelPoint, labelPoint);

    const std::optional<KeyCode> code = keyCodeOfCharacter(static_cast<AnsiChar>(character));
    QVERIFY(code.has_value());
    const std::optional<KeyEntry> entry = keyEntry(*code, nationality);
    QVERIFY(entry.has_value());
    QCOMPARE(entry->labelPoint, labelPoint);
}

void TestKeyTable::germanBarIsAltGrOnB0() {
    const std::optional<KeyEntry> bar = keyEntry(68, Nationality::German);
    QVERIFY(bar.has_value());
    QCOMPARE(bar->character, AnsiChar{'|'});
    QCOMPARE(bar->rect, (KeyRect{63, 140, 95, 178}));
    QCOMPARE(bar->labelPoint, (LabelPoint{76, 147}));
    QCOMPARE(int{bar->modifiers}, int{kAltGr});
    QCOMPARE(bar->hand, Hand::Left);
    QCOMPARE(typingHand('|', Nationality::German), std::optional<Hand>(Hand::Left));

    const AnsiChar brokenBar = 166;
    QCOMPARE(characterOfKeyCode(150), brokenBar);
    QVERIFY(!keyEntry(150, Nationality::German).has_value());
    QVERIFY(!typingHand(brokenBar, Nationality::German).has_value());
    // The other layouts keep their keys for both.
    QVERIFY(keyEntry(150, Nationality::EnglishUK).has_value());
    QCOMPARE(keyEntry(68, Nationality::EnglishUS)->rect.left, 515);
}

void TestKeyTable::characterAndKeyCodeRoundTrip() {
    QStringList wrong;
    for (int code = 0; code <= 300; ++code) {
        const AnsiChar character = characterOfKeyCode(static_cast<KeyCode>(code));
        if (character != 0 && keyCodeOfCharacter(character) != std::optional<KeyCode>(code)) {
            wrong << QStringLiteral("code %1 -> %2 does not come back")
                         .arg(code)
                         .arg(describe(character));
        }
    }
    for (int byte = 0; byte < 256; ++byte) {
        const std::optional<KeyCode> code = keyCodeOfCharacter(static_cast<AnsiChar>(byte));
        if (code && characterOfKeyCode(*code) != byte) {
            wrong << QStringLiteral("%1 -> code %2 does not come back")
                         .arg(describe(static_cast<AnsiChar>(byte)))
                         .arg(*code);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestKeyTable::everyCharacterMapsToItsListedCode() {
    const std::map<AnsiChar, KeyCode> listed = expectedCodesOfCharacters();
    QCOMPARE(listed.size(), std::size_t{134});
    QStringList wrong;
    for (int byte = 0; byte < 256; ++byte) {
        const auto character = static_cast<AnsiChar>(byte);
        const auto found = listed.find(character);
        // Key codes start at 1, so 0 stands for "no code" on both sides.
        const int expected = found == listed.end() ? 0 : int{found->second};
        const int actual = keyCodeOfCharacter(character).value_or(0);
        if (actual != expected) {
            wrong << QStringLiteral("%1: expected code %2, got %3")
                         .arg(describe(character))
                         .arg(expected)
                         .arg(actual);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    QVERIFY(!keyCodeOfCharacter(' ').has_value());
}

void TestKeyTable::statisticsIndexOfEveryCharacter() {
    std::map<AnsiChar, int> expected;
    for (const QString& line : rowsOf(kStatisticsRows)) {
        int index = line.section(QLatin1Char(':'), 0, 0).toInt();
        const QString list = line.mid(line.indexOf(QLatin1String(": ")) + 2);
        for (const QString& token : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QStringList cases =
                token.size() == 3 ? token.split(QLatin1Char('/')) : QStringList{token};
            for (const QString& one : cases) {
                const std::optional<AnsiChar> character = ansiOf(one);
                QVERIFY2(character && expected.count(*character) == 0, qPrintable(one));
                expected[*character] = index;
            }
            ++index;
        }
    }
    QCOMPARE(expected.size(), std::size_t{134});

    QStringList wrong;
    for (int byte = 0; byte < 256; ++byte) {
        const auto character = static_cast<AnsiChar>(byte);
        const auto found = expected.find(character);
        const int index = found == expected.end() ? 0 : found->second;
        if (statisticsIndex(character) != index) {
            wrong << QStringLiteral("%1: expected index %2, got %3")
                         .arg(describe(character))
                         .arg(index)
                         .arg(statisticsIndex(character));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestKeyTable::statisticsIndexExamples_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<int>("index");

    QTest::newRow("a") << int{'a'} << 1;
    QTest::newRow("A shares a's index") << int{'A'} << 1;
    QTest::newRow("; has no capital") << int{';'} << 10;
    QTest::newRow("z") << int{'z'} << 21;
    QTest::newRow("Z") << int{'Z'} << 21;
    QTest::newRow(", starts the punctuation") << int{','} << 28;
    QTest::newRow("! is 36, not its key code 30") << int{'!'} << 36;
    QTest::newRow(":") << int{':'} << 37;
    QTest::newRow("/") << int{'/'} << 68;
    QTest::newRow("á") << 225 << 69;
    QTest::newRow("Á has its own index") << 193 << 79;
    QTest::newRow("ü") << 252 << 85;
    QTest::newRow("Ü has its own index") << 220 << 86;
    QTest::newRow("¤ is last") << 164 << 108;
    QTest::newRow("space is not counted") << int{' '} << 0;
    QTest::newRow("Enter is not counted") << 13 << 0;
    QTest::newRow("ê is not counted") << 234 << 0;
}

void TestKeyTable::statisticsIndexExamples() {
    QFETCH(int, character);
    QFETCH(int, index);
    QCOMPARE(statisticsIndex(static_cast<AnsiChar>(character)), index);
}

void TestKeyTable::typingHandOfEveryCharacter() {
    const std::map<AnsiChar, KeyCode> listed = expectedCodesOfCharacters();
    QStringList wrong;
    for (int n = 0; n < kNationalityCount; ++n) {
        for (int byte = 0; byte < 256; ++byte) {
            const auto character = static_cast<AnsiChar>(byte);
            const auto found = listed.find(character);
            std::optional<Hand> expected;
            if (found != listed.end()) {
                const Expected e = expectedEntry(found->second, n);
                if (e.present) {
                    expected = e.hand;
                }
            }
            if (typingHand(character, static_cast<Nationality>(n)) != expected) {
                wrong << QStringLiteral("%1 on %2")
                             .arg(describe(character), QLatin1String(nationalityName(n)));
            }
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
}

void TestKeyTable::unknownNationalityHasNoKeys() {
    // A damaged student file can hold any byte where the nationality is kept.
    for (int n : {6, 7, 255}) {
        const auto nationality = static_cast<Nationality>(n);
        QVERIFY(!keyEntry(1, nationality).has_value());
        QVERIFY(!typingHand('a', nationality).has_value());
        QVERIFY(kf::pictureLabels(nationality).empty());
    }
}

void TestKeyTable::pictureLabels_data() {
    QTest::addColumn<Nationality>("nationality");
    QTest::addColumn<QStringList>("labels");

    std::map<QString, QStringList> tokens;
    QString current;
    for (const QString& line : rowsOf(kLabelRows)) {
        if (line.endsWith(QLatin1Char(':')) && !line.contains(QLatin1Char(','))) {
            current = line.chopped(1);
            continue;
        }
        tokens[current] += line.split(QLatin1String("  "), Qt::SkipEmptyParts);
    }
    QCOMPARE(tokens.size(), std::size_t{kNationalityCount});
    for (int n = 0; n < kNationalityCount; ++n) {
        const QString name = QLatin1String(nationalityName(n));
        QVERIFY2(tokens.count(name) != 0, qPrintable(name));
        QTest::newRow(nationalityName(n)) << static_cast<Nationality>(n) << tokens[name];
    }
}

void TestKeyTable::pictureLabels() {
    QFETCH(Nationality, nationality);
    QFETCH(QStringList, labels);

    const std::span<const PictureLabel> drawn = kf::pictureLabels(nationality);
    QCOMPARE(drawn.size(), static_cast<std::size_t>(labels.size()));
    for (qsizetype i = 0; i < labels.size(); ++i) {
        // "label x,y"; the label may be a comma.
        const QString& token = labels.at(i);
        const qsizetype space = token.lastIndexOf(QLatin1Char(' '));
        const std::optional<AnsiChar> character = ansiOf(token.left(space));
        const QStringList xy = token.mid(space + 1).split(QLatin1Char(','));
        QVERIFY2(character && xy.size() == 2, qPrintable(token));
        const PictureLabel& label = drawn[static_cast<std::size_t>(i)];
        const QString where = QStringLiteral("label %1 (%2): got %3 %4,%5")
                                  .arg(i)
                                  .arg(token)
                                  .arg(describe(label.character))
                                  .arg(label.x)
                                  .arg(label.y);
        QVERIFY2(label.character == *character, qPrintable(where));
        QVERIFY2(label.x == xy.at(0).toInt(), qPrintable(where));
        QVERIFY2(label.y == xy.at(1).toInt(), qPrintable(where));
    }
}

QTEST_GUILESS_MAIN(TestKeyTable)
#include "tst_KeyTable.moc"
