// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A second, independent transcription of the finger-guidance chart, kept in the chart's own
// textual form so that it can be compared line by line with the printed chart. The tests parse
// it and compare every cell and every sentence with the data the program uses.

namespace kf::test {

// One line per key code: | code | character | US | UK | ES | DE | IT | FR |
// A cell is Gn (sentence n), "none" (no sentence) or "—" (the keyboard has no such key).
inline constexpr char kGuidanceChart[] = R"chart(
| 1 | a | G1 | G1 | G1 | G1 | G1 | G2 |
| 2 | s | G3 | G3 | G3 | G3 | G3 | G3 |
| 3 | d | G4 | G4 | G4 | G4 | G4 | G4 |
| 4 | f | G5 | G5 | G5 | G5 | G5 | G5 |
| 5 | g | G6 | G6 | G6 | G6 | G6 | G6 |
| 6 | h | G7 | G7 | G7 | G7 | G7 | G7 |
| 7 | j | G8 | G8 | G8 | G8 | G8 | G8 |
| 8 | k | G9 | G9 | G9 | G9 | G9 | G9 |
| 9 | l | G10 | G10 | G10 | G10 | G10 | G10 |
| 10 | ; | G11 | G11 | G12 | G12 | G12 | G12 |
| 11 | q | G13 | G13 | G13 | G13 | G13 | G14 |
| 12 | w | G15 | G15 | G15 | G15 | G15 | G16 |
| 13 | e | G17 | G17 | G17 | G17 | G17 | G17 |
| 14 | r | G18 | G18 | G18 | G18 | G18 | G18 |
| 15 | t | G19 | G19 | G19 | G19 | G19 | G19 |
| 16 | y | G20 | G20 | G20 | G21 | G20 | G20 |
| 17 | u | G22 | G22 | G22 | G22 | G22 | G22 |
| 18 | i | G23 | G23 | G23 | G23 | G23 | G23 |
| 19 | o | G24 | G24 | G24 | G24 | G24 | G24 |
| 20 | p | G25 | G25 | G25 | G25 | G25 | G25 |
| 21 | z | G26 | G26 | G26 | G27 | G26 | G28 |
| 22 | x | G29 | G29 | G29 | G29 | G29 | G29 |
| 23 | c | G30 | G30 | G30 | G30 | G30 | G30 |
| 24 | v | G31 | G31 | G31 | G31 | G31 | G31 |
| 25 | b | G32 | G32 | G32 | G32 | G32 | G32 |
| 26 | n | G33 | G33 | G33 | G33 | G33 | G33 |
| 27 | m | G34 | G34 | G34 | G34 | G34 | G35 |
| 28 | , | G36 | G36 | G36 | G36 | G36 | G37 |
| 29 | . | G38 | G38 | G38 | G38 | G38 | G39 |
| 30 | ! | G40 | G40 | G40 | G40 | G40 | G41 |
| 31 | ( | G42 | G42 | G43 | G43 | G43 | G44 |
| 32 | ) | G45 | G45 | G46 | G46 | G46 | G47 |
| 33 | - | G48 | G48 | G49 | G49 | G49 | G50 |
| 34 | : | G51 | G51 | G52 | G52 | G52 | G52 |
| 35 | ' | G53 | G53 | G54 | G55 | G54 | G56 |
| 36 | ? | G57 | G57 | G58 | G58 | G58 | G59 |
| 37 | (double quote) | G60 | G61 | G61 | G61 | G61 | G62 |
| 38 | 1 | G63 | G63 | G63 | G63 | G63 | G63 |
| 39 | 2 | G64 | G64 | G64 | G64 | G64 | G64 |
| 40 | 3 | G65 | G65 | G65 | G65 | G65 | G65 |
| 41 | 4 | G66 | G66 | G66 | G66 | G66 | G66 |
| 42 | 5 | G67 | G67 | G67 | G67 | G67 | G67 |
| 43 | 6 | G68 | G68 | G68 | G68 | G68 | G68 |
| 44 | 7 | G69 | G69 | G69 | G69 | G69 | G69 |
| 45 | 8 | G70 | G70 | G70 | G70 | G70 | G70 |
| 46 | 9 | G71 | G71 | G71 | G71 | G71 | G71 |
| 47 | 0 | G72 | G72 | G72 | G72 | G72 | G72 |
| 48 | \` | G73 | G73 | — | — | — | — |
| 49 | ~ | G74 | G75 | — | G76 | — | — |
| 50 | @ | G77 | G78 | G79 | G80 | G81 | G82 |
| 51 | # | G83 | G84 | G85 | G84 | G86 | G85 |
| 52 | $ | G87 | G87 | G87 | G87 | G87 | G88 |
| 53 | % | G89 | G89 | G89 | G89 | G89 | G90 |
| 54 | ^ | G91 | G91 | — | — | G92 | G93 |
| 55 | & | G94 | G94 | G95 | G95 | G95 | G96 |
| 56 | \* | G97 | G97 | G98 | G98 | G98 | G99 |
| 57 | \_ | G100 | G100 | G101 | G101 | G101 | G102 |
| 58 | = | G103 | G103 | G104 | G104 | G104 | G103 |
| 59 | + | G105 | G105 | G106 | G106 | G106 | G105 |
| 60 | [ | G107 | G107 | G108 | G109 | G108 | G110 |
| 61 | { | G111 | G111 | G112 | G113 | G114 | G115 |
| 62 | ] | G107 | G107 | G76 | G116 | G76 | G117 |
| 63 | } | G118 | G118 | G119 | G120 | G121 | G122 |
| 64 | < | G123 | G123 | G124 | G124 | G124 | G124 |
| 65 | > | G125 | G125 | G124 | G124 | G124 | G124 |
| 66 | / | G126 | G126 | G127 | G127 | G127 | G128 |
| 67 | \\ | G129 | G130 | G131 | G132 | G131 | G133 |
| 68 | \| | G134 | G135 | G136 | G134 | G137 | G138 |
| 101 | A | G139 | G139 | G139 | G139 | G139 | G140 |
| 102 | S | G141 | G141 | G141 | G141 | G141 | G141 |
| 103 | D | G142 | G142 | G142 | G142 | G142 | G142 |
| 104 | F | G143 | G143 | G143 | G143 | G143 | G143 |
| 105 | G | G144 | G144 | G144 | G144 | G144 | G144 |
| 106 | H | G145 | G145 | G145 | G145 | G145 | G145 |
| 107 | J | G146 | G146 | G146 | G146 | G146 | G146 |
| 108 | K | G147 | G147 | G147 | G147 | G147 | G147 |
| 109 | L | G148 | G148 | G148 | G148 | G148 | G148 |
| 110 | Q | G149 | G149 | G149 | G149 | G149 | G150 |
| 111 | W | G151 | G151 | G151 | G151 | G151 | G152 |
| 112 | E | G153 | G153 | G153 | G153 | G153 | G153 |
| 113 | R | G154 | G154 | G154 | G154 | G154 | G154 |
| 114 | T | G155 | G155 | G155 | G155 | G155 | G155 |
| 115 | Y | G20 | G20 | G20 | G156 | G20 | G20 |
| 116 | U | G157 | G157 | G157 | G157 | G157 | G157 |
| 117 | I | G158 | G158 | G158 | G158 | G158 | G158 |
| 118 | O | G159 | G159 | G159 | G159 | G159 | G159 |
| 119 | P | G160 | G160 | G160 | G160 | G160 | G160 |
| 120 | Z | G161 | G161 | G161 | G162 | G161 | G163 |
| 121 | X | G164 | G164 | G164 | G164 | G164 | G164 |
| 122 | C | G165 | G165 | G165 | G165 | G165 | G165 |
| 123 | V | G166 | G166 | G166 | G166 | G166 | G166 |
| 124 | B | G167 | G167 | G167 | G167 | G167 | G167 |
| 125 | N | G168 | G168 | G168 | G168 | G168 | G168 |
| 126 | M | G169 | G169 | G169 | G169 | G169 | G170 |
| 127 | á | — | — | G171 | — | — | — |
| 128 | à | — | — | — | — | none | none |
| 129 | é | — | — | none | — | none | none |
| 130 | è | — | — | — | — | none | none |
| 131 | í | — | — | none | — | — | — |
| 132 | ì | — | — | — | — | none | — |
| 133 | ó | — | — | none | — | — | — |
| 134 | ò | — | — | none | — | none | — |
| 135 | ú | — | — | none | — | — | — |
| 136 | ù | — | — | — | — | none | none |
| 137 | Á | — | — | none | — | — | — |
| 138 | É | — | — | none | — | — | — |
| 139 | Í | — | — | none | — | — | — |
| 140 | Ó | — | — | none | — | — | — |
| 141 | Ú | — | — | none | — | — | — |
| 142 | º | — | — | none | — | — | — |
| 143 | ª | — | — | none | — | — | — |
| 144 | · | — | — | none | — | — | — |
| 145 | ¬ | — | none | none | — | — | — |
| 146 | ¡ | — | — | none | — | — | — |
| 147 | ¿ | — | — | none | — | — | — |
| 148 | ç | — | — | none | — | none | none |
| 149 | Ç | — | — | none | — | — | — |
| 150 | ¦ | — | none | — | none | — | — |
| 151 | £ | — | none | — | — | none | none |
| 152 | ° | — | — | — | none | none | none |
| 153 | ² | — | — | — | none | — | none |
| 154 | § | — | — | — | none | none | none |
| 155 | ³ | — | — | — | none | — | — |
| 156 | ß | — | — | — | none | — | — |
| 157 | ü | — | — | — | none | — | — |
| 158 | Ü | — | — | — | none | — | — |
| 159 | ö | — | — | — | none | — | — |
| 160 | Ö | — | — | — | none | — | — |
| 161 | ä | — | — | — | none | — | — |
| 162 | Ä | — | — | — | none | — | — |
| 163 | µ | — | — | — | none | — | none |
| 164 | ¤ | — | — | — | — | — | none |
| 165 | Ñ | — | — | none | — | — | — |
| 166 | ñ | — | — | none | — | — | — |
)chart";

// The sentences; the user name goes where the line says + user name +.
inline constexpr char kGuidanceSentences[] = R"chart(
- G1: "Stay at the home position and use your left hand little finger for the "a" key."
- G2: "Use your left hand little finger and move up one key for the "a" key."
- G3: "Press the "s" key with your left hand ring finger."
- G4: "Press the "d" key with your left hand middle finger."
- G5: "The "f" key is directly under your left hand index finger."
- G6: "To reach the "g" key, you will have to move your left hand index finger one key to the right."
- G7: "Move your right hand index finger one key to the left and press the "h" key."
- G8: "The "j" key is under your right hand index finger."
- G9: "Press the "k" key using your right hand middle finger."
- G10: "Remain at the home row position, " + user name + ", and press the "l" key with your right hand ring finger."
- G11: "The semicolon, " + user name + ", is under your right hand little finger."
- G12: "The semicolon, " + user name + ", is down one key then under your right middle finger."
- G13: "Move your left hand little finger up one key and slightly to the left to reach the "q" key."
- G14: "The "q" is under your left hand little finger."
- G15: "Move your left hand ring finger up one key and slightly to the left to reach the "w" key."
- G16: "Move your left hand little finger down one row to type the "w" key"
- G17: "Move your left hand middle finger up one key and slightly to the left to reach the "e" key."
- G18: "Move your left hand index finger up one key and slightly to the left to reach the "r" key."
- G19: "To reach the "t" key, move your left hand index finger up one key and to the right."
- G20: "This key is a little tricky for beginners. Move your right hand index finger up and to the left."
- G21: "Move your left hand little finger down one row to type the "y" key."
- G22: "Move your right hand index finger up one key and slightly to the left to reach the "u" key."
- G23: "Move your right hand middle finger up one key and slightly to the left to reach the "i" key."
- G24: "Move your right hand ring finger up one key and slightly to the left to reach the "o" key."
- G25: "Move your right hand little finger up one key and slightly to the left to reach the "p" key."
- G26: "Move your left hand little finger down one key and slightly to the right to reach the "z" key."
- G27: "Move your right hand up one row and one key to the left to type the "z" key."
- G28: "Move your left hand ring finger up one row to type the "z" key."
- G29: "Move your left hand ring finger down one key and slightly to the right to reach the "x" key."
- G30: "Move your left hand middle finger down one key and slightly to the right to reach the "c" key."
- G31: "Move your left hand index finger down one key and slightly to the right to reach the "v" key."
- G32: "This is a tricky one for beginners. The "b" can be reached equally with either hand, but most teach the use of the left hand."
- G33: "Move your right hand index finger down and slightly to the left."
- G34: "Move your right hand index finger down and slightly to the right to reach the "m" key."
- G35: "The "m" key is on the home row under your right hand little finger."
- G36: "Move your right hand middle finger down and slightly to the right to reach the "," key."
- G37: "Move your right hand index finger down one row to type the "," key."
- G38: "Move your right hand ring finger down and slightly to the right to reach the "." key."
- G39: "Move the right hand middle finger down one row to type the period."
- G40: "This key is in the same place as the "1" key. Don't forget the shift key."
- G41: "Move the right hand little finger down one row to type the "!" key."
- G42: "This key is in the same place as the "9" key. Don't forget the shift key."
- G43: "Move your right middle finger up two rows to type the "(" key."
- G44: "Move your left index finger up two rows to type the "(" key."
- G45: "This key is in the same place as the "0" key. Don't forget the shift key."
- G46: "Move the right ring finger up two rows to type the ")" key."
- G47: "Move your right hand little finger up two rows, and one key to the right to type ")""
- G48: "Your right hand little finger will be used to reach the "-" key. It's not quite straight up, you will have to slant to the right a little."
- G49: "Move your right hand little finger down one row to type the "-" key."
- G50: "Move your left hand index finger up two rows and one key to the right to type "-""
- G51: "Press the left shift key first, then press the ":" key with your right hand little finger."
- G52: "Move your right hand ring finger down one row to type the ":" key."
- G53: "Move your right hand little finger to the right one key."
- G54: "Move your right hand little finger up two rows to type the '' key."
- G55: "Mover your right hand little finger two keys to the right to type the '' key."
- G56: "Move your left hand index finger two rows up to type the '' key."
- G57: "To reach the question mark, move your right hand little finger down and to the right. Don't forget the shift key."
- G58: "Move your right hand little finger up two rows to type the "?" key."
- G59: "Move your right hand index finger down one row to type the "?" key."
- G60: "Move your right hand little finger to the right one key. Don't forget the left shift."
- G61: "Move your left hand ring finger up two rows."
- G62: "Move your left hand middle finger up two rows."
- G63: "To reach the "1" key, move your left hand little finger two rows up and to the left."
- G64: "To reach the "2" key, move your left hand ring finger two rows up and to the left."
- G65: "To reach the "3" key, move your left hand middle finger two rows up and to the left."
- G66: "To reach the "4" key, move your left hand index finger two rows up and to the left."
- G67: "To reach the "5" key, move your right hand index finger straight up two rows and very slightly to the right."
- G68: "To reach the "6" key, move your left hand index finger up two rows while moving to the right."
- G69: "To reach the "7" key, move your right hand index finger up two rows and to the left."
- G70: "To reach the "8" key, move your right hand middle finger up two rows and to the left."
- G71: "To reach the "9" key, move your right hand ring finger up two rows and to the left."
- G72: "To reach the "0" key, move your right hand little finger up two rows and to the left."
- G73: "The "`" key is at the top left of the keyboard."
- G74: "Press the right shift key first, then use your left hand little finger to reach this key."
- G75: "Move your right hand little finger two keys to the right."
- G76: "Move your right hand little finger up one row and two keys to the right."
- G77: "This key is in the same place as the "2" key. Don't forget the shift key."
- G78: "Move your right hand little finger one key to to the right."
- G79: "Move your ring finger up two rows to reach the  "@" key."
- G80: "Move your left hand little finger up one row to reach the "@" key."
- G81: "The "@" key is under your right hand little finger."
- G82: "Move your right hand little finger up two rows to reach the "@" key."
- G83: "Use your left hand ring finger to type this key."
- G84: "Move your right hand little finger two keys to the right to type the "#" key."
- G85: "Use your left hand middle finger to type this key."
- G86: "Move your right hand little finger one key to the right to type the "#" key."
- G87: "Move your left hand index finger up two rows to type the "$" key."
- G88: "Move your left hand little finger up two rows and two keys to the right."
- G89: "This key is in the same place as the "5" key. Don't forget the shift key."
- G90: "Move your right hand little finger one key to the right."
- G91: "This key is in the same place as the "6" key. Don't forget the shift key."
- G92: "Move your right hand little finger up two rows and and two keys to the right."
- G93: "Move your right hand ring finger up two rows to type the "^" key."
- G94: "This key is in the same place as the "7" key. Don't forget the shift key."
- G95: "Move your left hand index finger up two rows and two keys to the right."
- G96: "Move your left hand little finger up two rows to type the "&&" key."
- G97: "This key is in the same place as the "8" key. Don't forget the shift key."
- G98: "Move your right hand little finger up one row and two keys to the right to type "*"."
- G99: "Move your right hand little finger two keys to the right to type "*"."
- G100: "Your right hand little finger will be used to reach the "_" key. It's not quite straight up, you will have to slant to the right a little."
- G101: "Move your right hand little finger down one row to type the "_" key."
- G102: "Move your left hand middle finger up to rows to type the "_" key."
- G103: "This key takes a lot of practice to get right. Use your right hand little finger."
- G104: "Move your right hand little finger up two rows to type the "=" key."
- G105: "Press the left shift, then use your right hand little finger on the "+" key."
- G106: "Move your right hand little finger up one row and two keys to the right to type the "+" key."
- G107: "This key is pressed with your right hand little finger."
- G108: "Move your right hand little finger up one row and one key to the right to type "["."
- G109: "Move your middle finger up two rows to type the "[" key."
- G110: "Move your left hand index finger up two rows to type the "[" key."
- G111: "Press the left shift, then use your right hand little finger on the "{" key."
- G112: "Move your right hand little finger one key to the right to type the "{" key."
- G113: "Move your right hand index finger up two rows to type the "{" key."
- G114: "Move your right hand little finger up one row and one key to the right to type the "{" key."
- G115: "Move your left hand index finger up two rows to type the "{" key."
- G116: "Move your right hand ring finger up two rows to type the "]" key."
- G117: "Move your right hand little finger up two rows and one key to the right to type the "]" key."
- G118: "Press the left shift, then use your right hand little finger on the "}" key."
- G119: "Move your right hand little finger two keys to the right to type the "}" key."
- G120: "Move your right hand little finger up two rows to type the "}" key."
- G121: "Move your right hand little finger up one row and two keys to the right to type the "}" key."
- G122: "Move your right hand little finger up two rows and two keys to the right to type the "}" key."
- G123: "This character is in the same place as the comma. Don't forget the left shift."
- G124: "Move your left hand little finger down on row and slightly to the left to type the "<" key."
- G125: "This character is in the same place as the period. Don't forget the left shift."
- G126: "Move your right hand little finger down and to the right to reach the slash."
- G127: "Move your right hand index finger up two rows to type the "/" key."
- G128: "Move your right hand ring finger down one row to type the "/" key."
- G129: "The key can be in different places on different keyboards. Check your keyboard."
- G130: "Move your left hand little finger down one row to type this key."
- G131: "This key is all the way to the top left on your keyboard."
- G132: "Move your right hand little finger up two rows and one key to the right to type the "\" key."
- G133: "Move your right hand middle finger up two rows to type the "\" key."
- G134: "This key is usually under the backspace."
- G135: "Move your left hand little finger down one row."
- G136: "This key is located with the number 1 key."
- G137: "This key is at the top left part of your keyboard."
- G138: "This is located with the number 6 key. Use your left hand index finger."
- G139: "Stay at the home position and use your left hand little finger for the "A" key. Don't forget the right Shift."
- G140: "Use your left hand little finger and move up one key for the "A" key."
- G141: "Press the right shift key first, then use your left hand ring finger for the "S" key."
- G142: "Press the right shift key first, then use your left hand middle finger for the "D" key."
- G143: "Press the right shift key first, then use your left hand index finger for the "F" key."
- G144: "Press the right shift key first, then move your left hand index finger one key to the right for the "G" key."
- G145: "Press the left shift key first, then move your right hand index finger one key to the left for the "H" key."
- G146: "Press the left shift key first, then use your right hand index finger for the "J" key."
- G147: "Press the left shift key first, then use your right hand middle finger for the "K" key."
- G148: "Press the left shift key first, then use your right hand ring finger for the "L" key."
- G149: "Move your left hand little finger up one key and slightly to the left to reach the "Q" key."
- G150: "The "Q" is under your left hand little finger."
- G151: "Move your left hand ring finger up one key and slightly to the left to reach the "W" key."
- G152: "Move your left hand little finger down one row to type the "W" key"
- G153: "Press the right shift key first, then move your left hand middle finger up one key and slightly to the left to reach the "E" key."
- G154: "Press the right shift key first, then move your left hand index finger up one key and slightly to the left to reach the "R" key."
- G155: "Press the right shift key first, then move your left hand index finger up one key and to the right."
- G156: "Press the left shift key first, then move your left hand little finger down one row to type the "Y" key."
- G157: "Press the left shift key first, then move your right hand index finger up one key and slightly to the left to reach the "U" key."
- G158: "Press the left shift key first, then move your right hand middle finger up one key and slightly to the left to reach the "I" key."
- G159: "Press the left shift key first, then move your right hand ring finger up one key and slightly to the left to reach the "O" key."
- G160: "Press the left shift key first, then move your right hand little finger up one key and slightly to the left to reach the "P" key."
- G161: "Move your left hand little finger down one key and slightly to the right to reach the "Z" key."
- G162: "Move your right hand up one row and one key to the left to type the "Z" key."
- G163: "Move your left hand ring finger up one row to type the "Z" key."
- G164: "Press the right shift key first, then move your left hand ring finger down one key and slightly to the right to reach the "X" key."
- G165: "Press the right shift key first, then move your left hand middle finger down one key and slightly to the right to reach the "C" key."
- G166: "Press the right shift key first, then move your left hand index finger down one key and slightly to the right to reach the "V" key."
- G167: "This is a tricky one for beginners. The "B" can be reached equally with either hand, but most teach the use of the left hand."
- G168: "Press the left shift key first, then move your right hand index finger down and slightly to the left."
- G169: "Move your right hand index finger down and slightly to the right to reach the "M" key."
- G170: "The "M" key is on the home row under your right hand little finger."
- G171: "Type the blue key before the green."
)chart";

} // namespace kf::test
