#pragma once

namespace quorvel {

class DrawingSurface;
class ResultLabels;
class SettingsTexts;
struct Scene;

// The classic window's labels take the places of their table and the sum label stays where it
// was for a setting the table has no row for; a setting from the explore panel gets a place
// for every label, by what it explains.
enum class LabelRule { Table, Everywhere };

// Last stage of Start: marks the least-time point and path, draws the sum vector that closes the
// spiral, fills the source and the detector again, then places and shows the five result labels.
void drawResultMarks(const Scene& scene, DrawingSurface& surface);
void placeResultLabels(const Scene& scene, const SettingsTexts& settings, ResultLabels& labels, LabelRule rule = LabelRule::Table);

}  // namespace quorvel
