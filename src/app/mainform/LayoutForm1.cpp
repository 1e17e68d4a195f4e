#include "LayoutForm1.h"

#include <QWidget>

#include <array>

namespace verbolario {

namespace {

// Three columns: the modes on the left, input and results in the middle, the commands and
// the mode's own panel on the right. Panels that never show together share one place.
// clang-format off
constexpr std::array kPosti{
    // Mode column and, inside it, the ten modes and the exit button.
    PostoControllo{"Frame3",     {6, 6, 142, 400},   "PS"},
    PostoControllo{"Option1_0",  {8, 8, 128, 26},    "PST"},
    PostoControllo{"Option1_1",  {8, 38, 128, 26},   "PST"},
    PostoControllo{"Option1_2",  {8, 68, 128, 26},   "PST"},
    PostoControllo{"Option1_3",  {8, 98, 128, 26},   "PST"},
    PostoControllo{"Option1_4",  {8, 128, 128, 26},  "PST"},
    PostoControllo{"Option1_5",  {8, 158, 128, 26},  "PST"},
    PostoControllo{"Option1_6",  {8, 188, 128, 26},  "PST"},
    PostoControllo{"Option1_7",  {8, 218, 128, 26},  "PST"},
    PostoControllo{"Option1_8",  {8, 248, 128, 26},  "PST"},
    PostoControllo{"Option1_9",  {8, 278, 128, 26},  "PST"},
    PostoControllo{"Command2",   {8, 350, 128, 40},  "PST"},
    // Input, start/stop (one place), the yellow key field and the result list.
    PostoControllo{"Text1",      {154, 8, 232, 30},  "PST"},
    PostoControllo{"Text2",      {154, 8, 232, 30},  "PST"},
    PostoControllo{"Command10",  {392, 6, 42, 34},   "PS"},
    PostoControllo{"Command1",   {392, 6, 42, 34},   "PS"},
    PostoControllo{"TxtMeno",    {154, 44, 232, 26}, "PST"},
    PostoControllo{"Lblpar",     {154, 41, 280, 32}, "PST"},
    PostoControllo{"List1",      {154, 76, 280, 330}, "PST"},
    // Commands.
    PostoControllo{"Command4",   {444, 6, 92, 34},   "PST"},
    PostoControllo{"Command5",   {542, 6, 92, 34},   "PST"},
    // Panels of the modes.
    PostoControllo{"Frame2",     {444, 48, 190, 140}, "PS"},
    PostoControllo{"Option2_0",  {8, 8, 106, 26},    "PST"},
    PostoControllo{"Option2_1",  {8, 40, 106, 26},   "PST"},
    PostoControllo{"Option2_2",  {8, 72, 106, 26},   "PST"},
    PostoControllo{"Option2_3",  {8, 104, 106, 26},  "PST"},
    PostoControllo{"Check5",     {116, 6, 36, 126},  "PST"},
    PostoControllo{"CScarto",    {152, 52, 34, 30},  "PST"},
    PostoControllo{"Frame5",     {444, 48, 190, 104}, "PS"},
    PostoControllo{"Option3_0",  {8, 16, 120, 28},   "PST"},
    PostoControllo{"Option3_1",  {8, 58, 120, 28},   "PST"},
    PostoControllo{"Check6",     {136, 4, 46, 94},   "PST"},
    PostoControllo{"Tast1",      {458, 52, 161, 95}, "PT"},
    PostoControllo{"ImgPal",     {454, 52, 170, 170}, "PS"},
    PostoControllo{"CruciPic",   {454, 52, 170, 170}, "PS"},
    PostoControllo{"ckOrder",    {444, 48, 190, 26}, "PST"},
    PostoControllo{"CkFilter",   {444, 78, 190, 26}, "PST"},
    PostoControllo{"CkDoppie",   {444, 108, 190, 26}, "PST"},
    PostoControllo{"Frame1",     {444, 48, 190, 124}, "PS"},
    PostoControllo{"LblMin",     {6, 10, 26, 24},    "PST"},
    PostoControllo{"PicSize",    {34, 10, 122, 24},  "PS"},
    PostoControllo{"LblMax",     {158, 10, 26, 24},  "PST"},
    PostoControllo{"Command3_0", {8, 44, 116, 32},   "PST"},
    PostoControllo{"LbH_0",      {130, 44, 52, 32},  "PST"},
    PostoControllo{"Command3_1", {8, 84, 116, 32},   "PST"},
    PostoControllo{"LbH_1",      {130, 84, 52, 32},  "PST"},
    PostoControllo{"Gufo",       {324, 292, 110, 114}, "PS"},
    PostoControllo{"Frame4",     {444, 48, 190, 148}, "PS"},
    PostoControllo{"Cmd7_0",     {10, 10, 170, 40},  "PST"},
    PostoControllo{"Cmd7_1",     {10, 56, 170, 40},  "PST"},
    PostoControllo{"Check4",     {12, 106, 166, 30}, "PST"},
    PostoControllo{"Frame6",     {444, 48, 190, 250}, "PS"},
    // Progress, window options, and the button that only holds the focus.
    PostoControllo{"Pic1",       {444, 306, 190, 20}, "PS"},
    PostoControllo{"Check1",     {444, 334, 110, 22}, "PST"},
    PostoControllo{"Check2",     {444, 358, 110, 22}, "PST"},
    PostoControllo{"Check3",     {444, 382, 110, 22}, "PST"},
    PostoControllo{"cmdFocus",   {0, 0, 0, 0},       ""},
};
// clang-format on

} // namespace

std::span<const PostoControllo> LayoutForm1() {
    return kPosti;
}

void applicaLayout(QWidget& radice, double h, double v) {
    for (const PostoControllo& p : kPosti) {
        const QString nome = QString::fromLatin1(p.nome);
        QWidget* w = radice.objectName() == nome ? &radice : radice.findChild<QWidget*>(nome);
        if (!w) continue;
        const QRect& r = p.rettangolo;
        w->setGeometry(qRound(r.x() * h), qRound(r.y() * v), qRound(r.width() * h),
                       qRound(r.height() * v));
        w->setProperty("Tag", QString::fromLatin1(p.tag));
    }
}

} // namespace verbolario
