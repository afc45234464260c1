package android.text.format;

@Deprecated
public class Time {
    public int second;
    public int minute;
    public int hour;
    public int monthDay;
    public int month;
    public int year;
    public int weekDay;
    public String timezone;

    public Time(String timezone) { throw new RuntimeException("Stub!"); }

    public static String getCurrentTimezone() { throw new RuntimeException("Stub!"); }
    public void setToNow() { throw new RuntimeException("Stub!"); }
    public String format(String format) { throw new RuntimeException("Stub!"); }
}
