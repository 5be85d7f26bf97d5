// CArray: the framework's growable array.
#pragma once
#include <cstddef>
#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
  int GetSize() const { return static_cast<int>(m_items.size()); }
  int GetCount() const { return GetSize(); }
  bool IsEmpty() const { return m_items.empty(); }
  int Add(ARG_TYPE item) { m_items.push_back(item); return GetSize() - 1; }
  void RemoveAll() { m_items.clear(); }
  void SetSize(int size) { m_items.resize(static_cast<size_t>(size)); }
  const TYPE& GetAt(int i) const { return m_items.at(static_cast<size_t>(i)); }
  TYPE& ElementAt(int i) { return m_items.at(static_cast<size_t>(i)); }
  TYPE& operator[](int i) { return ElementAt(i); }
  const TYPE& operator[](int i) const { return GetAt(i); }

private:
  std::vector<TYPE> m_items;
};
