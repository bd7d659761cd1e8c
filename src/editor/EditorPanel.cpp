#include "editor/EditorPanel.h"

#include "core/GuiBinding.h"
#include "core/TextureManager.h"
#include "editor/EditorModel.h"

#include <imgui.h>

#include <cstdio>

namespace
{
using List = EditorModel::List;
using Placing = EditorModel::Placing;

constexpr float kIconSize = 16.f;
const ImVec4 kErrorColour(1.f, 0.35f, 0.3f, 1.f);
const ImVec4 kFineColour(0.55f, 0.9f, 0.55f, 1.f);
const ImVec4 kPlacingColour(0.96f, 0.85f, 0.5f, 1.f);
constexpr const char* kDirections[] = {"Left", "Right", "Top", "Bottom"};

// A 16 x 16 icon button, or a small text button when the icon is not loaded.
bool iconButton(const char* key, const char* label)
{
    ImGui::PushID(label);
    bool pressed = false;
    if (const sf::Texture* texture = TextureManager::getTexture(key))
    {
        pressed = GuiBinding::imageButton(*texture, {kIconSize, kIconSize});
        if (ImGui::IsItemHovered())
            ImGui::SetTooltip("%s", label);
    }
    else
        pressed = ImGui::SmallButton(label);
    ImGui::PopID();
    return pressed;
}

bool eyeButton(bool& visible, const char* label = "show / hide")
{
    if (!iconButton(visible ? "visible" : "not_visible", label))
        return false;
    visible = !visible;
    return true;
}

// A text input over a string, through a bounded 64-character field.
bool inputText(const char* label, std::string& value)
{
    EditorPanel::Field field{};
    copyToField(field, value);
    if (!ImGui::InputText(label, field.data(), field.size()))
        return false;
    value = field.data();
    return true;
}

bool inputPosition(sf::Vector2f& p)
{
    ImGui::PushItemWidth(110.f);
    bool changed = ImGui::InputFloat("X", &p.x, 0.f, 0.f, "%.1f");
    ImGui::SameLine();
    changed |= ImGui::InputFloat("Y", &p.y, 0.f, 0.f, "%.1f");
    ImGui::PopItemWidth();
    return changed;
}

void placingLabel(const EditorModel& model, Placing mode, const char* label)
{
    if (model.placing() != mode)
        return;
    ImGui::SameLine();
    ImGui::TextColored(kPlacingColour, "%s", label);
}

void messageLine(const EditorModel& model)
{
    const auto& message = model.message();
    if (!message.text.empty())
        ImGui::TextColored(message.error ? kErrorColour : kFineColour, "%s", message.text.c_str());
}

void karmaFlags(bool& good, bool& neutral, bool& evil)
{
    ImGui::Checkbox("Good", &good);
    ImGui::SameLine();
    ImGui::Checkbox("Neutral", &neutral);
    ImGui::SameLine();
    ImGui::Checkbox("Evil", &evil);
}

void boundarySection(EditorModel& model)
{
    if (!ImGui::CollapsingHeader("Boundaries"))
        return;
    ImGui::PushID("Boundaries");
    if (iconButton("add", "add"))
        model.startPlacing(Placing::Vertices);
    ImGui::SameLine();
    if (iconButton("delete", "clear"))
        model.requestClear(List::Boundary);
    ImGui::SameLine();
    eyeButton(model.showOutline);
    placingLabel(model, Placing::Vertices, "Placing Vertex");
    Polygon& outline = model.room.boundary;
    if (ImGui::TreeNode("Vertices"))
    {
        for (std::size_t i = 0; i < outline.vertexCount(); ++i)
        {
            ImGui::PushID(static_cast<int>(i));
            ImGui::Text("Vertex %d", static_cast<int>(i));
            ImGui::SameLine();
            inputPosition(outline.vertex(i).position);
            ImGui::SameLine();
            if (iconButton("delete", "delete"))
                model.requestRemoval(List::Boundary, i);
            ImGui::PopID();
        }
        ImGui::TreePop();
    }
    ImGui::PopID();
}

void doorSection(EditorModel& model)
{
    if (!ImGui::CollapsingHeader("Doors"))
        return;
    ImGui::PushID("Doors");
    if (iconButton("add", "add"))
        model.startPlacing(Placing::Doors);
    ImGui::SameLine();
    if (iconButton("delete", "clear"))
        model.requestClear(List::Doors);
    ImGui::SameLine();
    eyeButton(model.showDoors);
    placingLabel(model, Placing::Doors, "Placing Doors");
    if (ImGui::TreeNodeEx("Doors", ImGuiTreeNodeFlags_DefaultOpen))
    {
        auto& doors = model.room.doors;
        for (std::size_t i = 0; i < doors.size(); ++i)
        {
            DoorRecord& door = doors[i];
            ImGui::PushID(static_cast<int>(i));
            char title[32];
            std::snprintf(title, sizeof title, "Door %d", static_cast<int>(i));
            if (ImGui::TreeNodeEx(title, ImGuiTreeNodeFlags_DefaultOpen))
            {
                inputPosition(door.position);
                const int shown = door.direction >= 0 && door.direction < 4 ? door.direction : 0;
                if (ImGui::BeginCombo("Direction", kDirections[shown]))
                {
                    for (int d = 0; d < 4; ++d)
                        if (ImGui::Selectable(kDirections[d], d == door.direction))
                            door.direction = d;
                    ImGui::EndCombo();
                }
                ImGui::SliderFloat("Sprite delta X", &door.spriteDelta.x, -300.f, 300.f, "%.3f");
                ImGui::SliderFloat("Sprite delta Y", &door.spriteDelta.y, -300.f, 300.f, "%.3f");
                ImGui::Checkbox("Input", &door.input);
                ImGui::SameLine();
                ImGui::Checkbox("Output", &door.output);
                ImGui::SameLine();
                if (iconButton("delete", "delete"))
                    model.requestRemoval(List::Doors, i);
                ImGui::TreePop();
            }
            ImGui::PopID();
        }
        ImGui::TreePop();
    }
    ImGui::PopID();
}

void propSection(EditorModel& model)
{
    if (!ImGui::CollapsingHeader("Props"))
        return;
    ImGui::PushID("Props");
    if (ImGui::TreeNode("Static Props"))
    {
        if (iconButton("add", "add"))
            model.startStaticProps();
        ImGui::SameLine();
        if (iconButton("delete", "clear"))
            model.requestClear(List::StaticProps);
        ImGui::SameLine();
        eyeButton(model.showProps);
        if (model.placingStatic())
            placingLabel(model, Placing::Props, "Placing Prop");
        auto& props = model.room.staticProps;
        for (std::size_t i = 0; i < props.size(); ++i)
        {
            RoomTemplate::StaticProp& prop = props[i];
            ImGui::PushID(static_cast<int>(i));
            ImGui::Text("%s", prop.prop.c_str());
            inputPosition(prop.position);
            karmaFlags(prop.good, prop.neutral, prop.evil);
            ImGui::SameLine();
            if (iconButton("delete", "delete"))
                model.requestRemoval(List::StaticProps, i);
            ImGui::SameLine();
            bool shown = !prop.hidden;
            if (eyeButton(shown, "hide"))
                prop.hidden = !shown;
            ImGui::Separator();
            ImGui::PopID();
        }
        ImGui::TreePop();
    }
    if (ImGui::TreeNode("Dynamic Props"))
    {
        if (iconButton("add", "add"))
            model.addCollection();
        ImGui::SameLine();
        if (iconButton("delete", "clear"))
            model.requestClear(List::Collections);
        ImGui::SameLine();
        eyeButton(model.showProps);
        auto& collections = model.room.collections;
        for (std::size_t i = 0; i < collections.size(); ++i)
        {
            RoomTemplate::PropCollection& collection = collections[i];
            ImGui::PushID(static_cast<int>(i));
            char title[48];
            std::snprintf(title, sizeof title, "Dynamic Prop Collection %d", static_cast<int>(i));
            if (ImGui::TreeNode(title))
            {
                if (iconButton("add", "add item"))
                    model.startCollectionItems(i);
                ImGui::SameLine();
                if (iconButton("delete", "delete"))
                    model.requestRemoval(List::Collections, i);
                ImGui::SameLine();
                bool shown = !collection.hidden;
                if (eyeButton(shown, "hide"))
                    collection.hidden = !shown;
                if (!model.placingStatic() && model.currentCollection() == i)
                    placingLabel(model, Placing::Props, "Placing Prop");
                ImGui::SliderFloat("Chance", &collection.chance, 0.f, 1.f, "%.3f");
                ImGui::Checkbox("Pick One", &collection.pickOne);
                karmaFlags(collection.good, collection.neutral, collection.evil);
                for (std::size_t j = 0; j < collection.items.size(); ++j)
                {
                    RoomTemplate::PropItem& item = collection.items[j];
                    ImGui::PushID(static_cast<int>(j));
                    ImGui::Text("Item #%d %s", static_cast<int>(j), item.prop.c_str());
                    inputPosition(item.position);
                    ImGui::PushItemWidth(110.f);
                    ImGui::InputInt("Chance", &item.chance);
                    ImGui::PopItemWidth();
                    ImGui::SameLine();
                    if (iconButton("delete", "delete"))
                        model.requestRemoval(List::CollectionItems, i, j);
                    ImGui::PopID();
                }
                ImGui::TreePop();
            }
            ImGui::PopID();
        }
        ImGui::TreePop();
    }
    ImGui::PopID();
}

void spawnerSection(EditorModel& model)
{
    if (!ImGui::CollapsingHeader("Spawners"))
        return;
    ImGui::PushID("Spawners");
    if (iconButton("add", "add"))
        model.startPlacing(Placing::Spawners);
    ImGui::SameLine();
    if (iconButton("delete", "clear"))
        model.requestClear(List::Spawners);
    ImGui::SameLine();
    eyeButton(model.showSpawners);
    placingLabel(model, Placing::Spawners, "Placing Spawner");
    auto& spawners = model.room.spawners;
    for (std::size_t i = 0; i < spawners.size(); ++i)
    {
        RoomTemplate::Spawner& spawner = spawners[i];
        ImGui::PushID(static_cast<int>(i));
        char title[32];
        std::snprintf(title, sizeof title, "Spawner #%d", static_cast<int>(i));
        if (ImGui::TreeNodeEx(title, ImGuiTreeNodeFlags_DefaultOpen))
        {
            inputPosition(spawner.position);
            ImGui::PushItemWidth(110.f);
            ImGui::InputInt("Chance", &spawner.chance);
            ImGui::PopItemWidth();
            for (std::size_t e = 0; e < spawner.enemies.size(); ++e)
            {
                if (e % 3 != 0)
                    ImGui::SameLine(static_cast<float>(e % 3) * 140.f + 20.f);
                ImGui::Checkbox(spawner.enemies[e].first.c_str(), &spawner.enemies[e].second);
            }
            if (iconButton("delete", "delete"))
                model.requestRemoval(List::Spawners, i);
            ImGui::TreePop();
        }
        ImGui::PopID();
    }
    ImGui::PopID();
}

void waterSection(EditorModel& model)
{
    if (!ImGui::CollapsingHeader("Water"))
        return;
    ImGui::PushID("Water");
    if (iconButton("add", "add"))
        model.startPlacing(Placing::Waters);
    ImGui::SameLine();
    if (iconButton("delete", "clear"))
        model.requestClear(List::Waters);
    ImGui::SameLine();
    eyeButton(model.showWaters);
    placingLabel(model, Placing::Waters, "Placing Water");
    auto& waters = model.room.waters;
    for (std::size_t i = 0; i < waters.size(); ++i)
    {
        ImGui::PushID(static_cast<int>(i));
        ImGui::Text("Water #%d %s", static_cast<int>(i), waters[i].texture.c_str());
        inputPosition(waters[i].position);
        ImGui::SameLine();
        if (iconButton("delete", "delete"))
            model.requestRemoval(List::Waters, i);
        ImGui::PopID();
    }
    ImGui::PopID();
}

void wallSection(EditorModel& model)
{
    if (!ImGui::CollapsingHeader("Walls"))
        return;
    ImGui::PushID("Walls");
    if (iconButton("add", "add"))
        model.startPlacing(Placing::Walls);
    ImGui::SameLine();
    if (iconButton("delete", "clear"))
        model.requestClear(List::Walls);
    ImGui::SameLine();
    eyeButton(model.showWalls);
    placingLabel(model, Placing::Walls, "Placing Wall");
    auto& walls = model.room.walls;
    for (std::size_t i = 0; i < walls.size(); ++i)
    {
        RoomTemplate::Wall& wall = walls[i];
        ImGui::PushID(static_cast<int>(i));
        ImGui::Text("Wall #%d %s", static_cast<int>(i), wall.texture.c_str());
        // The outline moves with its wall.
        if (inputPosition(wall.position))
            wall.outline.setPosition(wall.position);
        if (ImGui::SmallButton("Set boundary"))
            model.startWallOutline(i);
        ImGui::SameLine();
        if (ImGui::SmallButton("Clear boundary"))
            model.requestClear(List::WallOutline, i);
        ImGui::SameLine();
        if (iconButton("delete", "delete"))
            model.requestRemoval(List::Walls, i);
        if (model.currentWall() == i)
            placingLabel(model, Placing::WallOutline, "Placing Wall Boundaries");
        ImGui::PopID();
    }
    ImGui::PopID();
}

void restrictedSection(EditorModel& model)
{
    if (!ImGui::CollapsingHeader("Restricted Area"))
        return;
    ImGui::PushID("Restricted");
    if (iconButton("add", "add"))
        model.startZone();
    placingLabel(model, Placing::Zone, "Placing Restricted Area");
    auto& zones = model.room.restricted;
    for (std::size_t i = 0; i < zones.size(); ++i)
    {
        ImGui::PushID(static_cast<int>(i));
        ImGui::Text("Restricted Area #%d (%d vertices)", static_cast<int>(i), static_cast<int>(zones[i].vertexCount()));
        ImGui::SameLine();
        if (ImGui::SmallButton("Clear boundary"))
            model.requestClear(List::ZoneOutline, i);
        ImGui::SameLine();
        if (iconButton("delete", "delete"))
            model.requestRemoval(List::Zones, i);
        ImGui::PopID();
    }
    ImGui::PopID();
}
} // namespace

EditorPanel::EditorPanel()
    : props_(PrototypeGallery::ofProps()), puddles_(PrototypeGallery::ofPuddles()), walls_(PrototypeGallery::ofWalls())
{
}

EditorPanel::Request EditorPanel::drawStartPage(EditorModel& model)
{
    Request request = Request::None;
    ImGui::SetNextWindowPos(ImVec2(700.f, 380.f), ImGuiCond_Once);
    ImGui::SetNextWindowSize(ImVec2(520.f, 260.f), ImGuiCond_Once);
    ImGui::Begin("Room Edit Init");
    ImGui::Text("Room Creation");
    ImGui::InputText("Name", typedName_.data(), typedName_.size());
    if (ImGui::Button("Edit Room"))
        model.editRoom(typedName_.data());
    ImGui::InputText("Texture", typedTexture_.data(), typedTexture_.size());
    if (ImGui::Button("Create Room"))
        model.createRoom(typedName_.data(), typedTexture_.data());
    if (ImGui::Button("Back"))
        request = Request::LeaveEditor;
    ImGui::Separator();
    ImGui::TextWrapped("%s",
                       model.message().text.empty() ? "Names: letters, digits, _ and -" : model.message().text.c_str());
    ImGui::End();
    return request;
}

void EditorPanel::drawSettings(EditorModel& model)
{
    RoomTemplate& room = model.room;
    ImGui::SetNextWindowPos(ImVec2(10.f, 10.f), ImGuiCond_Once);
    ImGui::SetNextWindowSize(ImVec2(520.f, 1060.f), ImGuiCond_Once);
    ImGui::Begin("Room Settings");
    ImGui::Text("%s", room.name.c_str());
    messageLine(model);

    const int type = room.type >= 0 && room.type < 6 ? room.type : 0;
    if (ImGui::BeginCombo("Room Type", EditorModel::kRoomTypeLabels[static_cast<std::size_t>(type)]))
    {
        for (int t = 0; t < 6; ++t)
            if (ImGui::Selectable(EditorModel::kRoomTypeLabels[static_cast<std::size_t>(t)], t == room.type))
                room.type = t;
        ImGui::EndCombo();
    }
    ImGui::Checkbox("Karma dependent", &room.karmaDependent);
    if (room.karmaDependent)
    {
        ImGui::Text("Current room karma:");
        ImGui::SameLine();
        if (ImGui::RadioButton("Evil", model.showEvil))
            model.showEvil = true;
        ImGui::SameLine();
        if (ImGui::RadioButton("Good", !model.showEvil))
            model.showEvil = false;
        inputText("Evil Texture", room.evilTexture);
        inputText("Good Texture", room.goodTexture);
    }
    ImGui::InputInt("Minimum enemies", &room.minEnemies);
    ImGui::InputInt("Maximum enemies", &room.maxEnemies);

    boundarySection(model);
    doorSection(model);
    propSection(model);
    spawnerSection(model);
    waterSection(model);
    wallSection(model);
    restrictedSection(model);

    ImGui::Separator();
    if (iconButton("save", "save"))
        model.save();
    ImGui::SameLine();
    if (iconButton("left_arrow", "back"))
        model.backToStart();
    ImGui::End();
}

void EditorPanel::drawGallery(const char* title, const PrototypeGallery& gallery, const std::string& selected,
                              EditorModel& model, void (EditorModel::*select)(const std::string&))
{
    ImGui::SetNextWindowPos(ImVec2(1380.f, 10.f), ImGuiCond_Once);
    ImGui::SetNextWindowSize(ImVec2(530.f, 640.f), ImGuiCond_Once);
    ImGui::Begin(title);
    ImGui::Text("Selected: %s", selected.empty() ? "none" : selected.c_str());
    const float width = ImGui::GetContentRegionAvail().x;
    const int perRow = width > 80.f ? static_cast<int>(width / 76.f) : 1;
    for (std::size_t i = 0; i < gallery.size(); ++i)
    {
        sf::Vector2f uv0, uv1;
        gallery.cell(i, uv0, uv1);
        ImGui::PushID(static_cast<int>(i));
        if (i % static_cast<std::size_t>(perRow) != 0)
            ImGui::SameLine();
        if (GuiBinding::imageButton(gallery.texture(), {64.f, 64.f}, uv0, uv1))
            (model.*select)(gallery.name(i));
        if (ImGui::IsItemHovered())
            ImGui::SetTooltip("%s", gallery.name(i).c_str());
        ImGui::PopID();
    }
    ImGui::End();
}

void EditorPanel::drawSelection(EditorModel& model)
{
    switch (model.placing())
    {
    case Placing::Props:
        drawGallery("Prop Selection", props_, model.selectedProp(), model, &EditorModel::selectProp);
        break;
    case Placing::Waters:
        drawGallery("Water Selection", puddles_, model.selectedWater(), model, &EditorModel::selectWater);
        break;
    case Placing::Walls:
        drawGallery("Wall Selection", walls_, model.selectedWall(), model, &EditorModel::selectWall);
        break;
    default:
        break;
    }
}
