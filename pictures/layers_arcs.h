// Overlay layers of thick arcs and thick outlined triangles drawn over the work picture.
#pragma once

namespace pictures {

// count arcs of circles and ellipses around a base colour; size bounds their radius.
// Defaults (written back): count < 0: 20, spread < 0: 30, size < 0: 100. r = -1 draws a random
// base colour, r <= -2 takes the last background; both are written back. No background is
// painted; the pen width is left at the last arc's.
void gen_arcs(double& count, double& r, double& g, double& b, double& spread, double& size);

// count large outlined triangles, same base colour rules and count and spread defaults as
// gen_arcs. The pen width is left at the last triangle's.
void gen_scribbles(double& count, double& r, double& g, double& b, double& spread);

}  // namespace pictures
