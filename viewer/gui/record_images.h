#pragma once
// The library's record images as Qt pixmaps, each with its transparent pixels masked out.

#include <QPixmap>
#include <vector>

std::vector<QPixmap> LoadRecordImages();
