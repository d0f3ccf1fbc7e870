// The copies a shape sheet makes between its window's record and the pages it holds.
// Each page registers its sheet page number, its values and its copy pair; the sheet's
// load and store go through what is registered, in the order of registration, so a page
// the sheet holds is loaded and stored whatever its number.
//
// The sheet window owns one of these. Typical use:
//   copies.Register(0, page->m_values, CopyParamSetAToPage, CopyParamSetAFromPage,
//                   {[page] { return page->built(); }, [page] { return page->UpdateData(true); }});
//   copies.Load(-10, record);             // every page, e.g. before the sheet is shown
//   if (!copies.Store(record)) return;    // a page kept a bad value: nothing was written
#pragma once

#include <functional>
#include <memory>
#include <vector>

class CCharDataFull;

class ShapeSheetCopies {
 public:
  // What the sheet asks of a page's window; either may be null.
  struct PageHooks {
    // True once the user has had the page in front (the page is built). A page that never
    // was stores nothing. Null: the page is never stored.
    std::function<bool()> shown;
    // Moves the page's controls into its values; false when a value is out of range,
    // which refuses the whole store. Null: the values are always current.
    std::function<bool()> exchange;
  };

  template <class V>
  using ToPage = void (*)(const CCharDataFull&, V&);
  template <class V>
  using FromPage = void (*)(const V& shown, const V& loaded, CCharDataFull&);

  // Registers values (held by the page, which must outlive this object) under sheet page
  // number pageNumber (0 or more) with its copy pair. What the values hold now counts as
  // loaded until the first load.
  template <class V>
  void Register(int pageNumber, V& values, ToPage<V> toPage, FromPage<V> fromPage, PageHooks hooks = {}) {
    auto loaded = std::make_shared<V>(values);
    m_pages.push_back({pageNumber,
                       [&values, loaded, toPage](const CCharDataFull& record) {
                         toPage(record, values);
                         *loaded = values;
                       },
                       [&values, loaded, fromPage](CCharDataFull& record) {
                         fromPage(values, *loaded, record);
                         *loaded = values;
                       },
                       std::move(hooks)});
  }

  // Fills the pages registered under pageNumber, or every page when it is negative (-10
  // by custom), from record; returns the number of pages filled.
  int Load(int pageNumber, const CCharDataFull& record);
  // Every page the user had in front first exchanges its controls; when one refuses,
  // false is returned and the record is left as it was. Otherwise those pages are stored
  // into record in the order of registration (each store writes only what the user
  // changed since the page was loaded or last stored, and marks the record changed).
  bool Store(CCharDataFull& record);
  // Whether a page is registered under pageNumber.
  bool Holds(int pageNumber) const;
  int Count() const { return static_cast<int>(m_pages.size()); }

 private:
  struct Page {
    int number;
    std::function<void(const CCharDataFull&)> load;
    std::function<void(CCharDataFull&)> store;
    PageHooks hooks;
  };

  static bool Shown(const Page& page) { return page.hooks.shown && page.hooks.shown(); }

  std::vector<Page> m_pages;
};
