// Assembly of a whole data set: the category settings, snapping points, draw
// order and dependencies (dataset.cpp), the components of each species
// (catalogue_*.cpp) and the colour types (colours.cpp).
#pragma once

#include <string>

#include "art_dress.h"
#include "plan.h"

namespace kelvo::demo {

// Backgrounds and foreground items are the same in every data set: drawn once.
struct Scenery {
  std::vector<SceneImages> scenes;
  std::vector<Image16> items;
};
Scenery DrawScenery();

DataSet BuildDataSet(Species sp, const Scenery& scenery);
std::string DataSetName(Species sp);

// Adding components. A component's images are named after it: name + "_s0" + slot.
Component& AddComponent(DataSet& ds, int category, const std::string& name, int frequency,
                        Props props);
void SetImage(Component& c, int slot, Image8 image, bool clip = false);
void SetImage(Component& c, int slot, Image16 image);
// Adds `frame` as animation step `step` of the component named `owner`.
void AddStep(DataSet& ds, int category, const std::string& owner, int step, Component frame);
Component FrameOf(const Component& owner, const std::string& name);

// Where the features of a face sit: its snapping points in container order.
std::vector<SnapPoint> FacePoints(const FaceShape& f);

void AddHeads(DataSet& ds, Species sp);
void AddFeatures(DataSet& ds, Species sp);
void AddHair(DataSet& ds, Species sp);
void AddDress(DataSet& ds, Species sp);
void AddScenery(DataSet& ds, const Scenery& scenery);
void AddColours(DataSet& ds, Species sp);

}  // namespace kelvo::demo
