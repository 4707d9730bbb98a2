#pragma once

#include <array>
#include <string>

// The numbered texts of the messages that more than one operation shows.
// Each ends with one blank so that a path, a word or a count can follow it.
constexpr int kMessageCount = 26;

enum MessageId : int {
  kMsgTooManyNodes = 0,
  kMsgTooManyLayouts = 1,
  kMsgCannotRead = 2,
  kMsgCannotWrite = 3,
  kMsgRemoveAll = 4,
  kMsgNodeNotFound = 6,
  kMsgNoFileFound = 9,
  kMsgNoLayout = 10,
  kMsgBadCondition = 20,
  kMsgBadAssociation = 22,
  kMsgNoSection = 23,
  kMsgLayoutsDrawn = 24,
  kMsgNodeWithoutSection = 25,
};

using MessageTexts = std::array<std::string, kMessageCount>;

// The catalogue as the program fills it at start-up.
const MessageTexts& MessageCatalogue();

// Text number id of the catalogue.
const std::string& CatalogueText(int id);
