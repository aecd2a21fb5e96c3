#include "cli/json_text.h"


namespace zorkan::cli {

std::string JsonArray(const std::vector<std::string>& elements) {
  std::string array = "[";
  for (const std::string& element : elements) {
    if (array.size() > 1) array += ',';
    array += element;
  }
  return array + "]";
}

JsonObject& JsonObject::string(std::string_view name, std::string_view value) {
  return json(name, JsonString(value));
}

JsonObject& JsonObject::real(std::string_view name, float value) {
  return json(name, JsonNumber(value));
}

JsonObject& JsonObject::boolean(std::string_view name, bool value) {
  return json(name, value ? "true" : "false");
}

JsonObject& JsonObject::null(std::string_view name) {
  return json(name, "null");
}

JsonObject& JsonObject::json(std::string_view name, std::string_view value) {
  if (text_.size() > 1) text_ += ',';
  text_ += JsonString(name);
  text_ += ':';
  text_ += value;
  return *this;
}

}  // namespace zorkan::cli
