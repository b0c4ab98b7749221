// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The kinds of control the drill window is made of, each made with its object name, place and
// fixed texts (English sources in the "DrillWindow" context, shown in the interface language).

#include "drills/DrillWindowStyle.h"
#include "widgets/SchemePicture.h"

#include <QRect>
#include <Qt>

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace kf::drillcontrols {

// A container panel.
QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry);

// A panel or label that shows a caption: a fixed text (in the interface language) or, without
// one, what the drill writes into it.
QLabel* makeLabel(QWidget* parent, const char* name, const char* caption, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QLabel* makeCaptionPanel(QWidget* parent, const char* name, const QRect& geometry,
                         quint32 background = drillstyle::kWhite);

// A label that holds a picture.
QLabel* makeImage(QWidget* parent, const char* name, const QRect& geometry);

// A frame or background in the colour scheme, painted when the window is first shown and when
// the scheme changes.
SchemePicture* makeSchemePicture(QWidget* parent, const char* name, SchemePicture::Kind kind,
                                 const QRect& geometry);

// A tool button with a caption or a picture, and its hint ("" for none).
QToolButton* makeSpeedButton(QWidget* parent, const char* name, const QRect& geometry,
                             const char* caption, const char* hint);

// A button of the own-keys panel.
QPushButton* makeButton(QWidget* parent, const char* name, const char* caption,
                        const QRect& geometry);

} // namespace kf::drillcontrols
