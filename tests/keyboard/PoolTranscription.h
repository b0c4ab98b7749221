// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A second, independent transcription of the published table of drill key pools and of the key
// code list, kept in their textual form so that they can be compared line by line with the
// printed tables. The tests parse them and compare every cell with the pools the chooser draws
// from.

namespace kf::test {

// The key code list: the first code of a block, then the characters of the block's codes in
// order, separated by spaces.
inline constexpr char kKeyCodeList[] = R"codes(
1 | a s d f g h j k l ;
11 | q w e r t y u i o p
21 | z x c v b n m , .
30 | ! ( ) - : ' ? (double quote)
38 | 1 2 3 4 5 6 7 8 9 0
48 | ` ~ @ # $ % ^ & * _ = + [ { ] } < > / \ |
101 | A S D F G H J K L
110 | Q W E R T Y U I O P
120 | Z X C V B N M
127 | á à é è í ì ó ò ú ù Á É Í Ó Ú º ª · ¬ ¡ ¿ ç Ç ¦ £ ° ² § ³ ß ü Ü ö Ö ä Ä µ ¤ Ñ ñ
)codes";

// One line per row of the pool table:
//   drill kind | nationalities | Lower Case Only | Include Upper Case Letters
// A key written "Q×2" comes up twice as often as a plain one (×1/2, ×1/3, ×2/3, ×3/2 alike).
// The first two fields end at the first two " | " and the last starts after the last " | ",
// so a lone "|" inside a pool is a key.
inline constexpr char kPoolTable[] = R"pools(
Home Row Only | US, UK | a s d f g h j k l ; | a s d f g h j k l ; A S D F G H J K L
Home Row Only | ES | a s d f g h j k l ñ | a s d f g h j k l A S D F G H J K Ñ ñ
Home Row Only | DE | a s d f g h j k l ö | a s d f g h j k l A S D F G H J K ö Ö
Home Row Only | IT | a s d f g h j k l à ò ù | a s d f g h j k l A S D F G H J K à ò ù ç
Home Row Only | FR | s d f g h j k l q m | s d f g h j k l q m S D F G H J K L Q×2 M
Top Row Only | US, UK, ES, IT | q w e r t y u i o p | q w e r t y u i o p Q W E R T Y U I O P
Top Row Only | DE | q w e r t u i o p z ü | q w e r t u i o p z Q W E R T U I O P Z ü Ü
Top Row Only | FR | a e r t y u i o p z | a e r t y u i o p z A E R T Y U I O P Z
Bottom Row Only | US, UK, ES, IT | z x c v b n m , . | z x c v b n m , . Z X C V B N M
Bottom Row Only | DE | y x c v b n m , . | y x c v b n m , . Y X C V B N M
Bottom Row Only | FR | ; w x c v b n , : | ; w x c v b n , : W X C×2 V B N
Home and Top Rows | US, UK | a s d f g h j k l ; q w e r t y u i o p | a s d f g h j k l ; q w e r t y u i o p A S D F G H J K L Q W E R T Y U I O P
Home and Top Rows | ES | a s d f g h j k l q w e r t y u i o p ñ | a s d f g h j k l q w e r t y u i o p A S D F G H J K Q W E R T Y U I O P Ñ ñ
Home and Top Rows | DE | a s d f g h j k l q w e r t u i o p z ü ö | a s d f g h j k l q w e r t u i o p z A S D F G H J K Q W E R T U I O P Z ü Ü ö Ö
Home and Top Rows | IT | a s d f g h j k l q w e r t y u i o p à ò ù | a s d f g h j k l q w e r t y u i o p A S D F G H J K Q W E R T Y U I O P à ò ù ç
Home and Top Rows | FR | a s d f g h j k l q e r t y u i o p z m | a s d f g h j k l q e r t y u i o p z m A S D F G H J K L Q E R T Y U I O P Z×1/2 M×1/2
Home and Bottom Row | US, UK | a s d f g h j k l ; z x c v b n m , . | a s d f g h j k l ; z x c v b n m , . A S D F G H J K L Z X C V B N M
Home and Bottom Row | ES | a s d f g h j k l z x c v b n m , . ñ | a s d f g h j k l z x c v b n m , . A S D F G H J K L Z X C V B N M Ñ
Home and Bottom Row | DE | a s d f g h j k l y x c v b n m , . ö | a s d f g h j k l y x c v b n m , . A S D F G H J K L Y X C V B N M Ö
Home and Bottom Row | IT | a s d f g h j k l z x c v b n m , . | a s d f g h j k l z x c v b n m , . A S D F G H J K L Z X C V B N M
Home and Bottom Row | FR | s d f g h j k l ; q w x c v b n m , . | s d f g h j k l ; q w x c v b n m×1/2 , . S D F G H J K L Q W X C V B N M×3/2
All Three Rows | US, UK | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . A S D F G H J K L Q W E R T Y U I O P Z X C V B N M
All Three Rows | ES | a s d f g h j k l q w e r t y u i o p z x c v b n m , . ñ | a s d f g h j k l q w e r t y u i o p z x c v b n m , . A S D F G H J K L Q W E R T Y U I O P Z X C V B N M Ñ
All Three Rows | DE | a s d f g h j k l q w e r t y×1/2 u i o p z x c v b n m , . ü×1/2 ö | a s d f g h j k l q w e r t y×1/2 u i o p z x c v b n m , . A S D F G H J K Q W E R T Y×1/2 U I O P Z X C V B N M ü×1/2 Ü×1/2 ö Ö
All Three Rows | IT | a s d f g h j k l q w e r t y u i o p z x c v b n m , . | a s d f g h j k l q w e r t y u i o p z x c v b n m , . A S D F G H J K L Q W E R T Y U I O P Z X C V B N M
All Three Rows | FR | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , : | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , : A S D F G H J K L Q W E R T Y U I O P Z×1/3 X C×2 V B N M×2/3
All and Common Punctuation | US, UK | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) A S D F G H J K L Q W E R T Y U I O P Z X C V B N M
All and Common Punctuation | ES | a s d f g h j k l q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) ¡ ¿ ñ | a s d f g h j k l q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) A S D F G H J K L Q W E R T Y U I O P Z X C V B N M ¡ ¿ Ñ
All and Common Punctuation | DE | a s d f g h j k l q w e r t y×1/2 u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) ü×1/2 ö | a s d f g h j k l q w e r t y×1/2 u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) A S D F G H J K Q W E R T Y×1/2 U I O P Z X C V B N M ü×1/2 Ü×1/2 ö Ö
All and Common Punctuation | IT | a s d f g h j k l q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) | a s d f g h j k l q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) A S D F G H J K L Q W E R T Y U I O P Z X C V B N M
All and Common Punctuation | FR | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) A S D F G H J K L Q W E R T Y U I O P Z×1/3 X C×2 V B N M×2/3
Numbers Only | US, UK, ES, DE, IT, FR | 1 2 3 4 5 6 7 8 9 0 | same as left
Symbols Only | US | ! ( ) - : ' ? (double quote) ` ~ @ # $ % ^ & * _ = + [ { ] } < > / \ | | same as left
Symbols Only | UK | ! ( ) - : ' ? (double quote) ` ~ @ # $ % ^ & * _ = + [ { ] } < > / \ | ¬ £ | same as left
Symbols Only | ES | ! ( ) - : ' ? (double quote) @ # $ % & * _ = + [ { ] } < > / \ | á é í ó ú º ª · ¬ ¡ ¿ ç | same as left
Symbols Only | DE | ! ( ) - : ' ? (double quote) ~ @ # $ % & * _ = + [ { ] } < > / \ ¦ ° ² § ³ ß ü ö ä µ | same as left
Symbols Only | IT | ! ( ) - : ' ? (double quote) @ # $ % ^ & * _ = + [ { ] } < > / \ à é è ì ò ù ç £ ° | same as left
Symbols Only | FR | ! ( ) - : ' ? (double quote) @ # $ % ^ & * _ = + [ { ] } < > / \ | à é è ù ç £ ° ² § µ ¤ | same as left
Do Everything | US | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) 1 2 3 4 5 6 7 8 9 0 ` ~ @ # $ % ^ & * _ = + [ { ] } < > / \ | A S D F G H J K L Q W E R T Y U I O P Z X C V B N M | same as left
Do Everything | UK | a s d f g h j k l ; q w e r t y u i o p z x c v b n m , . ! ( ) - : ' ? (double quote) 1 2 3 4 5 6 7 8 9 0 ` ~ @ # $ % ^ & * _ = + [ { ] } < > / \ | A S D F G H J K L Q W E R T Y U I O P Z X C V B N M ¬ ¦ £ | same as left
)pools";

} // namespace kf::test
