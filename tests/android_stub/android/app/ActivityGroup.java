package android.app;

@Deprecated
public class ActivityGroup extends Activity {
    public ActivityGroup() { throw new RuntimeException("Stub!"); }
}
