#pragma once

namespace quorvel {

class DrawingSurface;
class ResultLabels;
class SettingsTexts;
struct Scene;

// The classic window's picture: its labels take the places of their table, and the sum label
// stays where it was for a setting the table has no row for. The explore panel's settings reach
// beyond the table and the picture: every label gets a place by what it explains, and the
// drawing is kept within the band.
enum class Layout { Classic, Explore };

// Last stage of Start: marks the least-time point and path, draws the sum vector that closes the
// spiral, fills the source and the detector again, then places and shows the five result labels.
void drawResultMarks(const Scene& scene, DrawingSurface& surface);
void placeResultLabels(const Scene& scene, const SettingsTexts& settings, ResultLabels& labels, Layout layout = Layout::Classic);

}  // namespace quorvel
