#include "scene/scene.hpp"

void scene::add_item(const scene_item& item)
{
    laid_out_ = false;
    for (std::size_t g = 0; g < group_count_; ++g) {
        if (groups_[g].geometry == item.geometry.get()) {
            groups_[g].items.push_back(item);
            return;
        }
    }
    if (group_count_ == groups_.size()) {
        groups_.emplace_back();
    }
    group& fresh = groups_[group_count_++];
    fresh.geometry = item.geometry.get();
    fresh.items.push_back(item);
}

const std::vector<scene_item>& scene::items() const
{
    if (!laid_out_) {
        items_.clear();
        for (std::size_t g = 0; g < group_count_; ++g) {
            const std::vector<scene_item>& added = groups_[g].items;
            items_.insert(items_.end(), added.rbegin(), added.rend());
        }
        laid_out_ = true;
    }
    return items_;
}

void scene::clear_items()
{
    for (std::size_t g = 0; g < group_count_; ++g) {
        groups_[g].items.clear();
    }
    group_count_ = 0;
    items_.clear();
    laid_out_ = true;
}
