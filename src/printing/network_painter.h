#pragma once

#include <QRectF>

#include "core/saved/network.h"
#include "network/network_layout.h"

class QPainter;

namespace dossier {

// Draws the network's picture into the area, scaled to fit and never larger than life: the
// same for the window and the page.
void DrawNetworkPicture(QPainter& painter, const QRectF& area, const Network& network,
                        const NetworkPicture& picture);

}  // namespace dossier
