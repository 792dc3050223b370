// The chart library's own types for the copy of it that the build puts beside the page's
// modules (js/vendor/uplot.js); see scripts/web-build.sh.
import uPlot from 'uplot';
export default uPlot;
