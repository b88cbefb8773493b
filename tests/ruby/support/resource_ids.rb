# The module's resource ids as Ruby constants, read from the header the
# resource compiler and the C++ code share: ResourceIds::IDC_OPTIONS_OK.
module ResourceIds
  HEADER = File.expand_path("../../../resources/resource_ids.h", __dir__)

  File.foreach(HEADER) do |line|
    name, value = line.match(/\A#define\s+(ID\w+)\s+\(?(-?\d+)\)?\s*\z/)&.captures
    const_set(name, Integer(value)) if name
  end
end
