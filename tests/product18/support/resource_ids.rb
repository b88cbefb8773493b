# The resource ids of resources/resource_ids.h as Ruby constants, read from
# the header itself so that the checks and the templates cannot drift apart.
module ResourceIds
  HEADER = File.expand_path('../../../resources/resource_ids.h', File.dirname(__FILE__))
  File.open(HEADER) { |f| f.read }.scan(/^#define\s+(\w+)\s+\(?(-?\d+)\)?\s*$/) do |name, value|
    const_set(name, Integer(value))
  end
  IDOK = 1
  IDCANCEL = 2
end
