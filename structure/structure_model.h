#pragma once

#include <cstdint>
#include <string>

#include "common/lazy_table.h"
#include "common/one_based_array.h"

constexpr int kMaxStructureNodes = 2000;
constexpr int kMaxStructurePoints = 2000;
constexpr int kMaxElements = 5000;
constexpr int kMaxMemberElements = 5000;
constexpr int kMaxSections = 2000;
constexpr int kMaxContours = 5;
constexpr int kMaxVertices = 100;
constexpr int kMaxCableTypes = 50;
constexpr int kMaxMembers = 299;

// A node has no section until the association file gives it one.
constexpr int16_t kNoSection = -1;

struct StructureNode {
  int16_t Number = 0;             // as the user knows it; always > 0
  int16_t SectionIndex = kNoSection;  // 1-based into SectionTable::Sections
  int16_t InternalNumber = 0;     // index of its point in the structure file
};

struct NodeCoordinate {
  double X = 0.0;
  double Y = 0.0;
  double Z = 0.0;
};

struct StructureElement {
  int16_t Number = 0;
  int16_t Unused = 0;
  // While reading: internal numbers of the two ends. After
  // ResolveElementNodes: 1-based positions in StructureNodes, the end nearer
  // to the origin first.
  int16_t FirstNode = 0;
  int16_t SecondNode = 0;
};

// The structure of the job and the member being edited; filled at start-up,
// read-only afterwards.
struct StructureModel {
  int16_t StructureNodeCount = 0;
  OneBasedArray<StructureNode, kMaxStructureNodes> StructureNodes;
  OneBasedArray<NodeCoordinate, kMaxStructureNodes> NodeCoordinates;
  int16_t ElementCount = 0;
  OneBasedArray<StructureElement, kMaxElements> Elements;

  // The member's elements, in order along the member.
  int16_t MemberElementCount = 0;
  OneBasedArray<int16_t, kMaxMemberElements> MemberElements;

  // First value of the association file: 1 = the job's own sections file,
  // anything else = the shared one in the custom folder.
  int16_t SectionSource = 0;
  int16_t AssociationCount = 0;
};

struct Section {
  std::string Name;
  double MinZ = 0.0, MaxZ = 0.0;
  double MinY = 0.0, MaxY = 0.0;
  double SizeY = 0.0;  // vertical extent
  double SizeZ = 0.0;  // horizontal extent
  int16_t ContourCount = 0;
  OneBasedArray<int16_t, kMaxContours> VertexCount;
  OneBasedArray<OneBasedArray<double, kMaxVertices>, kMaxContours> VertexY;
  OneBasedArray<OneBasedArray<double, kMaxVertices>, kMaxContours> VertexZ;
  double RefPointZ = 0.0, RefPointY = 0.0;
};

// About 16 MB at capacity, of which a job touches only the sections it has.
struct SectionTable {
  int16_t SectionCount = 0;
  LazyTable<Section, kMaxSections> Sections;
  int16_t CableTypeCount = 0;
  OneBasedArray<std::string, kMaxCableTypes> CableTypeNames;
};
